# cmake -DBUILD=DIR -DWORK=DIR [-DLAUNCHER=COMMAND -DSUFFIX=.exe] -P install_test.cmake
# Installs the build into a folder whose path holds a space, twice, and
# checks the folder, the kept dictionary and the desktop entry. LAUNCHER runs
# the programs of a cross build (Wine), SUFFIX ends their names.
set(prefix "${WORK}/my programs/carbonym")
file(REMOVE_RECURSE "${WORK}")

function(install_into prefix)
    execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${prefix}"
                    RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cmake --install failed")
    endif()
endfunction()

install_into("${prefix}")
foreach(file carbonym-cli${SUFFIX} source.dat)
    if(NOT EXISTS "${prefix}/${file}")
        message(FATAL_ERROR "${file} is not installed")
    endif()
endforeach()

# The installed translator finds the starter dictionary beside itself.
execute_process(COMMAND ${LAUNCHER} "${prefix}/carbonym-cli${SUFFIX}" translate --sort
                INPUT_FILE "${CMAKE_CURRENT_LIST_DIR}/readme_example.txt"
                OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "4-氨基-苯甲酸乙酯\n")
    message(FATAL_ERROR "the installed carbonym-cli translated to '${out}'")
endif()
execute_process(COMMAND ${LAUNCHER} "${prefix}/carbonym-cli${SUFFIX}" translate --sort=rules
                INPUT_FILE "${CMAKE_CURRENT_LIST_DIR}/readme_example.txt"
                OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "4-氨基苯甲酸乙酯\n")
    message(FATAL_ERROR "the installed carbonym-cli ordered by naming rules to '${out}'")
endif()

# Installing again keeps the dictionary the user has grown.
file(WRITE "${prefix}/source.dat" "user")
install_into("${prefix}")
file(READ "${prefix}/source.dat" content)
if(NOT content STREQUAL "user")
    message(FATAL_ERROR "installing again replaced the user's source.dat")
endif()

if(EXISTS "${prefix}/carbonym")
    if(NOT EXISTS "${prefix}/translations/qtbase_zh_CN.qm")
        message(FATAL_ERROR "Qt's Chinese translation is not installed beside the program")
    endif()
    file(READ "${prefix}/carbonym.desktop" entry)
    if(NOT entry MATCHES "\nExec=\"${prefix}/carbonym\"\n" OR NOT entry MATCHES "\nIcon=${prefix}/carbonym.png\n")
        message(FATAL_ERROR "carbonym.desktop does not point into the folder:\n${entry}")
    endif()
    # The optional step: the entry in the user's application menu.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "HOME=${WORK}/home" --unset=XDG_DATA_HOME
                            sh "${prefix}/install-desktop-entry"
                    RESULT_VARIABLE status OUTPUT_QUIET)
    file(READ "${WORK}/home/.local/share/applications/carbonym.desktop" menu)
    if(NOT status EQUAL 0 OR NOT menu STREQUAL entry)
        message(FATAL_ERROR "install-desktop-entry wrote:\n${menu}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "HOME=${WORK}/home" --unset=XDG_DATA_HOME
                            sh "${prefix}/install-desktop-entry" --remove OUTPUT_QUIET)
    if(EXISTS "${WORK}/home/.local/share/applications/carbonym.desktop")
        message(FATAL_ERROR "install-desktop-entry --remove left the entry")
    endif()
endif()
file(REMOVE_RECURSE "${WORK}")
