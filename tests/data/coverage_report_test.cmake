# cmake -DREPORT=scripts/coverage-report -DMAKE=carbonym-make-dictionary -DCLI=carbonym-cli -DWORK=DIR
#       -P coverage_report_test.cmake
# The report counts, on a small jar and dictionary, the tokens that come out
# with no English left, and fails below its floor.
file(REMOVE_RECURSE "${WORK}")
set(resources "${WORK}/jar/uk/ac/cam/ch/wwmm/opsin/resources")
set(empty "<tokenLists><tokenList tagname=\"group\" type=\"x\"></tokenList></tokenLists>")
foreach(name simpleSubstituents suffixes nonCarboxylicAcids arylGroups aminoAcids multipliers heteroAtoms
             elementaryAtoms)
    file(WRITE "${resources}/${name}.xml" "${empty}")
endforeach()
# Three retained names, one of them unknown; one acid stem.
file(WRITE "${resources}/simpleGroups.xml" "<!DOCTYPE tokenLists SYSTEM \"tokenLists.dtd\">
<tokenLists><tokenList tagname=\"group\" type=\"simpleGroup\">
<token value=\"C\">acetone|aceton</token><token value=\"C\">glycolic|glycolic acid</token>
<token value=\"C\">agmatine</token></tokenList></tokenLists>")
file(WRITE "${resources}/carboxylicAcids.xml" "<tokenLists>
<tokenList tagname=\"group\" type=\"acidStem\" subType=\"ylForAcyl\"><token value=\"CC\">acet</token></tokenList>
</tokenLists>")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${WORK}/opsin.jar --format=zip uk WORKING_DIRECTORY ${WORK}/jar)

file(WRITE "${WORK}/table.tsv" "english\tchinese\tcategory
acetone\t丙酮\ttrivial\nglycolic acid\t乙醇酸\ttrivial\nacetic acid\t乙酸\ttrivial\nacetate\t乙酸酯\ttrivial
acetyl\t乙酰基\ttrivial\nacetamide\t乙酰胺\ttrivial\nacetonitrile\t乙腈\ttrivial\natine\t亭\ttrivial\n")
execute_process(COMMAND ${MAKE} ${WORK}/table.tsv ${WORK}/table.dat OUTPUT_QUIET)

function(report floor)
    file(WRITE "${WORK}/floor.tsv" "${floor}")
    execute_process(COMMAND ${REPORT} --dict ${WORK}/table.dat --cli ${CLI} --jar ${WORK}/opsin.jar --missing
                            --floor ${WORK}/floor.tsv
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    set(RESULT ${result} PARENT_SCOPE)
    set(OUTPUT "${output}${errors}" PARENT_SCOPE)
endfunction()

report("simpleGroups\tname\t66.0\ncarboxylicAcids\tamide\t100.0\n")
if(NOT RESULT EQUAL 0)
    message(FATAL_ERROR "shares at their floors must pass:\n${OUTPUT}")
endif()
# agmatine comes out as "agm亭" (atine fired inside it): English is left.
foreach(expected "simpleGroups         name                  2       3   66.7%" "agmatine\tagm亭"
                 "carboxylicAcids      ic acid               1       1  100.0%")
    string(FIND "${OUTPUT}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the report must show '${expected}':\n${OUTPUT}")
    endif()
endforeach()

report("simpleGroups\tname\t70.0\n")
if(RESULT EQUAL 0)
    message(FATAL_ERROR "a share below its floor must fail:\n${OUTPUT}")
endif()

execute_process(COMMAND ${REPORT} --dict ${WORK}/table.dat --cli ${CLI} --jar ${WORK}/none.jar
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 77)
    message(FATAL_ERROR "without the jar the report must say it skipped (77), not ${result}")
endif()
file(REMOVE_RECURSE "${WORK}")
