# Writes the desktop entry at install time, when the prefix is known: it runs
# the launcher by its full path, since a bin/ folder the install has just
# made (~/.local/bin) is on the PATH of the desktop's session only from the
# next login. A path the entry could not hold plainly between quotes falls
# back to the launcher's name. Needs VORZO_ENTRY_TEMPLATE and VORZO_ENTRY_NAME.
set(launcher "${CMAKE_INSTALL_PREFIX}/bin/vorzodazorad")
if(launcher MATCHES "[\"`$\\\\]" OR launcher MATCHES "[\n\r\t]")
    set(LAUNCHER vorzodazorad)
else()
    set(LAUNCHER "\"${launcher}\"")
endif()
file(READ "${VORZO_ENTRY_TEMPLATE}" template)
set(path "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/${VORZO_ENTRY_NAME}")
message(STATUS "Installing: ${path}")
file(CONFIGURE OUTPUT "${path}" CONTENT "${template}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${path}")
