# cmake -DSCRIPT=copy_if_absent.cmake -DWORK=DIR -P copy_if_absent_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/starter.dat" "starter")

# A dictionary the user has is kept.
file(WRITE "${WORK}/bin/source.dat" "user")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK}/starter.dat -DTARGET=${WORK}/bin/source.dat -P ${SCRIPT}
                RESULT_VARIABLE status)
file(READ "${WORK}/bin/source.dat" content)
if(NOT status EQUAL 0 OR NOT content STREQUAL "user")
    message(FATAL_ERROR "the user's source.dat was replaced: '${content}'")
endif()

# An empty one, as the program leaves when it translates without a
# dictionary, is replaced.
file(WRITE "${WORK}/bin/source.dat" "")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK}/starter.dat -DTARGET=${WORK}/bin/source.dat -P ${SCRIPT}
                RESULT_VARIABLE status)
file(READ "${WORK}/bin/source.dat" content)
if(NOT status EQUAL 0 OR NOT content STREQUAL "starter")
    message(FATAL_ERROR "an empty source.dat was kept")
endif()

# Where there is none, the starter dictionary is copied, the folder made.
file(REMOVE_RECURSE "${WORK}/bin")
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${WORK}/starter.dat -DTARGET=${WORK}/bin/source.dat -P ${SCRIPT}
                RESULT_VARIABLE status)
file(READ "${WORK}/bin/source.dat" content)
if(NOT status EQUAL 0 OR NOT content STREQUAL "starter")
    message(FATAL_ERROR "the starter dictionary was not copied: '${content}'")
endif()
file(REMOVE_RECURSE "${WORK}")
