# cmake -DSCRIPT=copy_if_absent.cmake -DWORK=DIR -P copy_if_absent_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/starter.dat" "starter")

# Runs the copy and checks what bin/source.dat then holds.
function(expect_after_copy expected why)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK}/starter.dat -DTARGET=${WORK}/bin/source.dat
                            -P ${SCRIPT}
                    RESULT_VARIABLE status)
    file(READ "${WORK}/bin/source.dat" content)
    if(NOT status EQUAL 0 OR NOT content STREQUAL expected)
        message(FATAL_ERROR "${why}: source.dat holds '${content}'")
    endif()
endfunction()

file(WRITE "${WORK}/bin/source.dat" "user")
expect_after_copy("user" "a dictionary the user has must be kept")

# An empty one, as the program leaves when it translates without a
# dictionary, holds nothing to lose.
file(WRITE "${WORK}/bin/source.dat" "")
expect_after_copy("starter" "an empty source.dat must be replaced")

file(REMOVE_RECURSE "${WORK}/bin")
expect_after_copy("starter" "the starter dictionary must be copied where there is none")
file(REMOVE_RECURSE "${WORK}")
