# SPDX-License-Identifier: MIT
# The layers of the program as libraries. Each compiles against a view of src/ that holds only the folders
# (or single headers) it may use, made of links in the build folder, so that an include of a folder above
# it fails to build; the pure cores link Qt Core alone, so that a GUI header fails too. Where the file
# system cannot make links (Windows without the right to), the layers see all of src/, and the Linux build
# enforces them.

set(QCP_LAYER_VIEWS ${CMAKE_CURRENT_BINARY_DIR}/layers)

# QRgb, the colour value the cores share with the windows, is a header of Qt Gui that needs no more of it
# than its own declarations; the cores see that header and no other of Qt Gui.
get_target_property(qcp_gui_includes Qt6::Gui INTERFACE_INCLUDE_DIRECTORIES)
foreach(dir IN LISTS qcp_gui_includes)
    if(EXISTS ${dir}/QRgb AND EXISTS ${dir}/qrgb.h)
        set(qcp_qrgb_dir ${dir})
    endif()
endforeach()
if(NOT qcp_qrgb_dir)
    message(FATAL_ERROR "Qt Gui's QRgb header was not found")
endif()
foreach(header QRgb qrgb.h)
    file(CREATE_LINK ${qcp_qrgb_dir}/${header} ${QCP_LAYER_VIEWS}/qrgb/${header} COPY_ON_ERROR SYMBOLIC)
endforeach()

# qcp_layer(NAME SEES folder... [HEADERS folder/file.h...] SOURCES file... QT component... [LINKS layer...])
# A layer on Qt Core alone is a pure core, which may also use QRgb.
function(qcp_layer name)
    cmake_parse_arguments(LAYER "" "" "SEES;HEADERS;SOURCES;QT;LINKS" ${ARGN})
    set(view ${QCP_LAYER_VIEWS}/${name})
    set(linked TRUE)
    foreach(path IN LISTS LAYER_SEES LAYER_HEADERS)
        if(NOT EXISTS ${view}/${path})
            get_filename_component(parent ${view}/${path} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${path} ${view}/${path} RESULT failed SYMBOLIC)
            if(failed)
                set(linked FALSE)
            endif()
        endif()
    endforeach()
    add_library(${name} STATIC ${LAYER_SOURCES})
    if(linked)
        target_include_directories(${name} PRIVATE ${view})
    else()
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    endif()
    list(TRANSFORM LAYER_QT PREPEND Qt6::)
    target_link_libraries(${name} PUBLIC ${LAYER_QT} ${LAYER_LINKS})
    if(LAYER_QT STREQUAL "Qt6::Core")
        target_include_directories(${name} SYSTEM PRIVATE ${QCP_LAYER_VIEWS}/qrgb)
    endif()
endfunction()
