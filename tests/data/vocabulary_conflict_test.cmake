# cmake -DPYTHON=python3 -DSOURCE=repository -DWORK=DIR -P vocabulary_conflict_test.cmake
# The generator stops on a term two rows give different Chinese, names both
# rows and writes nothing; a row of data/vocabulary/overrides.tsv settles it.
file(REMOVE_RECURSE "${WORK}")
file(GLOB scripts "${SOURCE}/data/*.py" "${SOURCE}/data/*.tsv")
file(COPY ${scripts} "${SOURCE}/data/vocabulary" DESTINATION "${WORK}/data")
file(GLOB lists "${SOURCE}/src/translation/*.inc")
file(COPY ${lists} DESTINATION "${WORK}/src/translation")

function(generate)
    execute_process(COMMAND ${PYTHON} ${WORK}/data/generate.py ${ARGN}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    set(RESULT ${result} PARENT_SCOPE)
    set(OUTPUT "${output}${errors}" PARENT_SCOPE)
endfunction()

generate(--check)
if(NOT RESULT EQUAL 0)
    message(FATAL_ERROR "the copied tables are not what the generator writes:\n${OUTPUT}")
endif()

# A hand-written row against the acid series' 阿卓乳酸.
set(table "${WORK}/data/starter-dictionary.tsv")
file(READ "${table}" before)
string(REPLACE "benzene\t苯\tarene\n" "benzene\t苯\tarene\natrolactic acid\t阿托乳酸\ttrivial\n" planted "${before}")
file(WRITE "${table}" "${planted}")
file(READ "${WORK}/data/inorganic-dictionary.tsv" inorganic_before)
generate()
if(NOT RESULT EQUAL 2)
    message(FATAL_ERROR "a conflict must stop the generator with status 2, not ${RESULT}:\n${OUTPUT}")
endif()
foreach(row "atrolactic acid\t阿托乳酸" "atrolactic acid\t阿卓乳酸")
    string(FIND "${OUTPUT}" "${row}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the report must name the row '${row}':\n${OUTPUT}")
    endif()
endforeach()
file(READ "${table}" after)
file(READ "${WORK}/data/inorganic-dictionary.tsv" inorganic_after)
if(NOT after STREQUAL planted OR NOT inorganic_after STREQUAL inorganic_before)
    message(FATAL_ERROR "a generator that stops on a conflict must write nothing")
endif()

# Settled, the override's Chinese is written once.
file(APPEND "${WORK}/data/vocabulary/overrides.tsv" "atrolactic acid\t阿托乳酸\tplanted by the test\n")
generate()
if(NOT RESULT EQUAL 0)
    message(FATAL_ERROR "a settled conflict must not stop the generator:\n${OUTPUT}")
endif()
file(READ "${table}" after)
string(REGEX MATCHALL "\natrolactic acid\t[^\n]*" rows "${after}")
if(NOT rows STREQUAL "\natrolactic acid\t阿托乳酸\ttrivial")
    message(FATAL_ERROR "the settled term must be written once, as the override gives it: ${rows}")
endif()
