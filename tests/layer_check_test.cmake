# The layer check passes on the tree as it is and refuses a copy of it with
# includes planted against the order, naming each such file and line, and
# none of the lines that the order allows.
#
#     cmake -DCHECK=cmake/check_layers.cmake -DSOURCE_DIR=src -DWORK_DIR=DIR -P layer_check_test.cmake
cmake_minimum_required(VERSION 3.25)

function(run_check source_dir result_var output_var)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${source_dir} -P ${CHECK}
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    set(${result_var} "${result}" PARENT_SCOPE)
    set(${output_var} "${out}" PARENT_SCOPE)
endfunction()

# plant(FILE AFTER TEXT): TEXT goes in as a line after the first AFTER lines
# of the copy's FILE.
function(plant file after text)
    file(READ "${WORK_DIR}/src/${file}" tail)
    set(head "")
    while(after GREATER 0)
        string(FIND "${tail}" "\n" end)
        math(EXPR end "${end} + 1")
        string(SUBSTRING "${tail}" 0 ${end} line)
        string(SUBSTRING "${tail}" ${end} -1 tail)
        string(APPEND head "${line}")
        math(EXPR after "${after} - 1")
    endwhile()
    file(WRITE "${WORK_DIR}/src/${file}" "${head}${text}\n${tail}")
endfunction()

run_check("${SOURCE_DIR}" result output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The tree itself fails the layer check:\n${output}")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/src")
foreach(layer text dictionary translation)
    file(COPY "${SOURCE_DIR}/${layer}" DESTINATION "${WORK_DIR}/src")
endforeach()

# Against the order.
plant(text/utf8.h 2 "#include \"dictionary/term_record.h\"")
plant(text/lines.cpp 0 "#  include \"translation/term.h\"")
plant(dictionary/term_record.h 3 "#include \"../translation/term.h\"")
plant(dictionary/add_terms.cpp 1 "#include <cli/cli_io.h>")
plant(translation/term.h 4 "#include \"ui/main/main_window.h\"")
plant(translation/reorder.cpp 2 "#include <QString>")
# Allowed: downward, within the layer, and a line that only mentions one.
plant(translation/find_term.cpp 1 "#include \"dictionary/term_record.h\"")
plant(dictionary/dictionary_file.cpp 1 "#include \"text/utf8.h\"")
plant(text/trim.h 1 "// #include \"translation/term.h\" would run upward")

run_check("${WORK_DIR}/src" result output)
if(result EQUAL 0)
    message(FATAL_ERROR "The layer check passed a tree with includes against the order:\n${output}")
endif()
set(expected
    "src/text/utf8.h:3: text includes dictionary/term_record.h"
    "src/text/lines.cpp:1: text includes translation/term.h"
    "src/dictionary/term_record.h:4: dictionary includes ../translation/term.h"
    "src/dictionary/add_terms.cpp:2: dictionary includes cli/cli_io.h"
    "src/translation/term.h:5: translation includes ui/main/main_window.h"
    "src/translation/reorder.cpp:3: translation includes <QString>")
foreach(line IN LISTS expected)
    string(FIND "${output}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "The layer check did not name \"${line}\"; it said:\n${output}")
    endif()
endforeach()
foreach(allowed find_term.cpp dictionary_file.cpp trim.h)
    if(output MATCHES "/${allowed}:")
        message(FATAL_ERROR "The layer check refused an allowed line of ${allowed}:\n${output}")
    endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
