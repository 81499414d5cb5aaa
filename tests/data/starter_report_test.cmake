# cmake -DREPORT=carbonym-starter-report -DDICT=starter.dat -DWORK=DIR -P starter_report_test.cmake
# A floor the dictionary misses is a failure, never a success; a sample that
# cannot be read or parsed is an error of its own, reported in Chinese.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(expect_status expected needle why)
    execute_process(COMMAND ${REPORT} --dict ${DICT} ${ARGN} --quiet
                    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL expected)
        message(FATAL_ERROR "${why}: exit status ${status}, expected ${expected}\n${err}")
    endif()
    if(needle AND NOT err MATCHES "${needle}")
        message(FATAL_ERROR "${why}: no message matching '${needle}' in:\n${err}")
    endif()
endfunction()

# Half exact, half with English left.
set(SAMPLE "${WORK}/sample.tsv")
file(WRITE "${SAMPLE}" "english\tchinese\tclass\nbenzene\t苯\torganic\nxyzzy\t某\torganic\n")
expect_status(0 "" "floors the sample reaches" --sample ${SAMPLE} --min-exact 50 --max-english 50)
expect_status(1 "低于要求" "an exact share below the floor" --sample ${SAMPLE} --min-exact 60)
expect_status(1 "高于允许" "English left above the ceiling" --sample ${SAMPLE} --max-english 40)
expect_status(2 "无法读取" "a missing sample" --sample ${WORK}/absent.tsv)
file(WRITE "${WORK}/bad.tsv" "english\tchinese\tclass\nWater\t水\tliquid\n")
expect_status(2 "第 2 行" "a malformed sample" --sample ${WORK}/bad.tsv)
file(REMOVE_RECURSE "${WORK}")
