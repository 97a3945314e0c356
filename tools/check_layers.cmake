# Checks that every source keeps to its layer and its folder's dependencies.
#
#   cmake -DSOURCES_FILE=<file> -DROOT=<source dir> -P check_layers.cmake
#
# SOURCES_FILE sets CORE_SOURCES, DRAW_SOURCES, GUI_SOURCES (absolute paths)
# and GUI_HEADERS, WIDGETS_HEADERS (the header names of QtGui and QtWidgets).
#   - a core source includes no QtGui or QtWidgets header and no project
#     header of the drawing or widget layer;
#   - a drawing-layer source includes no QtWidgets header and no project
#     header of the widget layer;
#   - no folder includes a header of a folder that builds on it.
cmake_policy(VERSION 3.25)
include(${SOURCES_FILE})

# The folders each folder may include besides itself, lowest first.
set(ALLOWED_platform "")
set(ALLOWED_pictures platform)
set(ALLOWED_desktop platform)
set(ALLOWED_accessories platform desktop)
set(ALLOWED_settings platform desktop)
set(ALLOWED_stage platform desktop settings)
set(ALLOWED_environment platform pictures desktop stage)
set(ALLOWED_output platform desktop stage settings)
set(ALLOWED_companion platform pictures stage settings output environment accessories)
set(ALLOWED_app platform pictures desktop stage settings output environment accessories)

set(violations "")

function(folder_of path out)
    file(RELATIVE_PATH relative ${ROOT} ${path})
    string(REGEX REPLACE "/.*" "" folder "${relative}")
    set(${out} ${folder} PARENT_SCOPE)
endfunction()

function(check_source source layer)
    if(NOT EXISTS ${source})
        return()
    endif()
    get_filename_component(dir ${source} DIRECTORY)
    folder_of(${source} folder)
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "[<\"]([^>\"]+)[>\"]" _ "${line}")
        set(name ${CMAKE_MATCH_1})
        if(line MATCHES "<")
            get_filename_component(base ${name} NAME)
            if(layer STREQUAL "core" AND (base IN_LIST GUI_HEADERS OR name MATCHES "^QtGui/"))
                list(APPEND violations "${source}: core includes the QtGui header <${name}>")
            endif()
            if(NOT layer STREQUAL "gui" AND (base IN_LIST WIDGETS_HEADERS OR name MATCHES "^QtWidgets/"))
                list(APPEND violations "${source}: ${layer} includes the QtWidgets header <${name}>")
            endif()
            continue()
        endif()
        # A project header: beside the source, or from the source root.
        if(EXISTS ${dir}/${name})
            get_filename_component(header ${dir}/${name} ABSOLUTE)
        elseif(EXISTS ${ROOT}/${name})
            get_filename_component(header ${ROOT}/${name} ABSOLUTE)
        else()
            continue() # generated (ui_*.h, *.moc) or a test support header
        endif()
        string(REGEX REPLACE "\\.h$" ".cpp" implementation ${header})
        set(header_layer "")
        foreach(candidate ${header} ${implementation})
            if(candidate IN_LIST GUI_SOURCES)
                set(header_layer gui)
            elseif(candidate IN_LIST DRAW_SOURCES AND NOT header_layer STREQUAL "gui")
                set(header_layer draw)
            endif()
        endforeach()
        if(layer STREQUAL "core" AND header_layer MATCHES "draw|gui")
            list(APPEND violations "${source}: core includes \"${name}\" of the ${header_layer} layer")
        elseif(layer STREQUAL "draw" AND header_layer STREQUAL "gui")
            list(APPEND violations "${source}: draw includes \"${name}\" of the gui layer")
        endif()
        folder_of(${header} header_folder)
        if(NOT header_folder STREQUAL folder AND DEFINED ALLOWED_${folder}
           AND NOT header_folder IN_LIST ALLOWED_${folder})
            list(APPEND violations "${source}: ${folder}/ includes \"${name}\" of ${header_folder}/, which builds on it")
        endif()
    endforeach()
    set(violations ${violations} PARENT_SCOPE)
endfunction()

foreach(source IN LISTS CORE_SOURCES)
    check_source(${source} core)
endforeach()
foreach(source IN LISTS DRAW_SOURCES)
    check_source(${source} draw)
endforeach()
foreach(source IN LISTS GUI_SOURCES)
    check_source(${source} gui)
endforeach()

if(violations)
    list(JOIN violations "\n" text)
    message(FATAL_ERROR "Layer check failed:\n${text}")
endif()
list(LENGTH CORE_SOURCES core)
list(LENGTH DRAW_SOURCES draw)
list(LENGTH GUI_SOURCES gui)
message(STATUS "Layers kept: ${core} core, ${draw} drawing and ${gui} widget files checked")
