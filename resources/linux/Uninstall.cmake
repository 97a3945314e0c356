# Removes what `cmake --install` put, by its manifest (MANIFEST), then
#   - the Projects link the launcher made in the installed folder (the link
#     only: never the stages it leads to),
#   - brings the desktop's databases up to date, and removes those that
#     describe nothing any more (a file-type database without packages, an
#     entries' cache without entries),
#   - removes the folders this left empty, up to the prefix.
# What the editor wrote (dazorad.ini, TestPlay/TestPlay.htm, the stages)
# stays, and so do the folders that hold it.
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "${MANIFEST} is missing: nothing was installed from this build")
endif()
file(STRINGS "${MANIFEST}" files)
set(prefix)
foreach(file IN LISTS files)
    if(file MATCHES "^(.*)/bin/vorzodazorad$")
        set(prefix "${CMAKE_MATCH_1}")
    endif()
endforeach()
if(NOT prefix)
    message(FATAL_ERROR "${MANIFEST} names no launcher: not an install of this program")
endif()

set(folders)
foreach(file IN LISTS files ITEMS "${prefix}/lib/vorzodazorad/Projects")
    if(IS_SYMLINK "${file}" OR (EXISTS "${file}" AND NOT IS_DIRECTORY "${file}"))
        message(STATUS "Removing: ${file}")
        file(REMOVE "${file}")
    endif()
    get_filename_component(folder "${file}" DIRECTORY)
    list(APPEND folders "${folder}")
endforeach()

include("${CMAKE_CURRENT_LIST_DIR}/DesktopCaches.cmake")
set(share "${prefix}/share")
vorzo_update_desktop_caches("${share}")
file(GLOB types LIST_DIRECTORIES true "${share}/mime/packages/*")
if(NOT types AND IS_DIRECTORY "${share}/mime")
    # Everything else in mime/ is made from packages/.
    message(STATUS "Removing: ${share}/mime")
    file(REMOVE_RECURSE "${share}/mime")
endif()
file(GLOB entries "${share}/applications/*.desktop")
if(NOT entries AND EXISTS "${share}/applications/mimeinfo.cache")
    message(STATUS "Removing: ${share}/applications/mimeinfo.cache")
    file(REMOVE "${share}/applications/mimeinfo.cache")
    list(APPEND folders "${share}/applications")
endif()

# Deepest first; rmdir removes a folder only when it is empty.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
string(LENGTH "${prefix}/" inside)
foreach(folder IN LISTS folders)
    while(IS_DIRECTORY "${folder}")
        string(SUBSTRING "${folder}/" 0 ${inside} head)
        if(NOT head STREQUAL "${prefix}/" OR folder STREQUAL prefix)
            break()
        endif()
        execute_process(COMMAND rmdir "${folder}" RESULT_VARIABLE kept OUTPUT_QUIET ERROR_QUIET)
        if(NOT kept EQUAL 0)
            break()
        endif()
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
