# cmake -DDUMP=PROGRAM [-DLAUNCHER=COMMAND] -P gbk_table_test.cmake
# The GBK converter's whole table (every byte sequence of one or two bytes
# read, every UTF-16 unit written) against the fingerprint of ICU's
# "windows-936-2000" as this project uses it. Both converters, ICU's and the
# Windows code page's (under Wine too), must give exactly this table.
set(expected 546bbfa9374db300d56ad44a5806c4086faa33dde14a1786e50069ff581851fc)
execute_process(COMMAND ${LAUNCHER} "${DUMP}" OUTPUT_VARIABLE table RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${DUMP} failed: ${status}")
endif()
string(REPLACE "\r" "" table "${table}")
string(SHA256 actual "${table}")
if(NOT actual STREQUAL expected)
    get_filename_component(folder "${DUMP}" DIRECTORY)
    file(WRITE "${folder}/gbk_table.txt" "${table}")
    message(FATAL_ERROR "The GBK table differs from ICU's; compare ${folder}/gbk_table.txt "
                        "with the output of a Linux build's gbk_table_dump")
endif()
