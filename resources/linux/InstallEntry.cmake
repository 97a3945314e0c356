# Writes the desktop entry and the thumbnailer at install time, when the
# prefix is known: they run the launcher and the thumbnail program by their
# full paths, since a bin/ folder the install has just made (~/.local/bin) is
# on the PATH of the desktop's session only from the next login, and the
# thumbnail program is not on it at all. A path that needs quoting is put
# between double quotes; one the entry could not hold plainly between them
# falls back to the launcher's name. Needs VORZO_CONFIGURED: pairs of a
# template and its destination below the prefix.
function(vorzo_exec_path path fallback out)
    if(path MATCHES "^[A-Za-z0-9/._+-]+$")
        set(${out} "${path}" PARENT_SCOPE)
    elseif(path MATCHES "[\"`$\\\\]" OR path MATCHES "[\n\r\t]")
        set(${out} "${fallback}" PARENT_SCOPE)
    else()
        set(${out} "\"${path}\"" PARENT_SCOPE)
    endif()
endfunction()
vorzo_exec_path("${CMAKE_INSTALL_PREFIX}/bin/vorzodazorad" vorzodazorad LAUNCHER)
vorzo_exec_path("${CMAKE_INSTALL_PREFIX}/lib/vorzodazorad/vorzo-stage-render" vorzo-stage-render RENDER)
while(VORZO_CONFIGURED)
    list(POP_FRONT VORZO_CONFIGURED template destination)
    file(READ "${template}" content)
    set(path "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${destination}")
    message(STATUS "Installing: ${path}")
    file(CONFIGURE OUTPUT "${path}" CONTENT "${content}" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${path}")
endwhile()
