# The core's layers, from the bottom: text, dictionary, translation; above
# them the command line (cli) and the windows (ui). A file of a layer may
# include its own layer's headers and those of the layers below, never those
# of a layer above, and none of the three includes Qt.
#
#     cmake -DSOURCE_DIR=src -P cmake/check_layers.cmake
#
# Fails naming each file and line that breaks the order.
cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=src -P check_layers.cmake")
endif()

set(layers text dictionary translation)
set(above_text dictionary translation cli ui)
set(above_dictionary translation cli ui)
set(above_translation cli ui)

set(problems "")
set(files_checked 0)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE files LIST_DIRECTORIES false "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.hpp"
         "${SOURCE_DIR}/${layer}/*.cpp" "${SOURCE_DIR}/${layer}/*.inc")
    list(SORT files)
    foreach(file IN LISTS files)
        math(EXPR files_checked "${files_checked} + 1")
        file(READ "${file}" text)
        if(NOT text MATCHES "#[ \t]*include")
            continue()
        endif()
        # One list element per line: first take out what a CMake list would
        # read as separators or brackets.
        string(REPLACE "\\" "/" text "${text}")
        string(REPLACE ";" "," text "${text}")
        string(REPLACE "[" "(" text "${text}")
        string(REPLACE "]" ")" text "${text}")
        string(REPLACE "\n" ";" text "${text}")
        file(RELATIVE_PATH shown "${SOURCE_DIR}/.." "${file}")
        set(number 0)
        foreach(line IN LISTS text)
            math(EXPR number "${number} + 1")
            if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
                continue()
            endif()
            set(bracket "${CMAKE_MATCH_1}")
            set(included "${CMAKE_MATCH_2}")
            # "../ui/x.h" reaches the same folder as "ui/x.h".
            string(REGEX REPLACE "^(\\./|\\.\\./)+" "" path "${included}")
            string(REGEX MATCH "^[^/]+" top "${path}")
            if(top IN_LIST above_${layer} AND path MATCHES "/")
                string(APPEND problems "${shown}:${number}: ${layer} includes ${included}, "
                                       "of the ${top} layer above it\n")
            elseif(bracket STREQUAL "<" AND included MATCHES "^Qt|^Q[A-Z][A-Za-z]*$")
                string(APPEND problems "${shown}:${number}: ${layer} includes <${included}>: no Qt below the windows\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(files_checked EQUAL 0)
    message(FATAL_ERROR "No source of the layers found under ${SOURCE_DIR}")
endif()
if(problems)
    message(NOTICE "${problems}")
    message(FATAL_ERROR "Includes against the layers' order above (text < dictionary < translation < cli, ui)")
endif()
