# cmake -DAUDIT=scripts/trap-audit -DMAKE=carbonym-make-dictionary -DCLI=carbonym-cli -DWORK=DIR
#       -P trap_audit_test.cmake
# The audit must find traps planted in a small dictionary, and pass once
# they are shielded or allowed.
file(REMOVE_RECURSE "${WORK}")
file(WRITE "${WORK}/sample.tsv" "english\tchinese\tform
2-phenylethyl acetate\t乙酸2-苯基乙酯\tIUPAC
ethyl glycolate\t乙醇酸乙酯\tIUPAC
")
set(header "english\tchinese\tcategory\n")
set(base "ethyl\t乙基\tsubstituent\nphenyl\t苯基\tsubstituent\nacetate\t乙酸酯\ttrivial\nglycol\t二醇\ttrivial\n")

# Builds the table and runs the audit on it: RESULT and OUTPUT come back.
function(audit name table allow)
    file(WRITE "${WORK}/${name}.tsv" "${header}${table}")
    file(WRITE "${WORK}/${name}-allow.txt" "${allow}")
    execute_process(COMMAND ${MAKE} ${WORK}/${name}.tsv ${WORK}/${name}.dat OUTPUT_QUIET RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
        message(FATAL_ERROR "${name}: the table does not compile")
    endif()
    execute_process(COMMAND ${AUDIT} --dict ${WORK}/${name}.dat --cli ${CLI} --table ${WORK}/${name}.tsv
                            --sample ${WORK}/sample.tsv --jar ${WORK}/no.jar --allow ${WORK}/${name}-allow.txt
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    set(RESULT ${result} PARENT_SCOPE)
    set(OUTPUT "${output}${errors}" PARENT_SCOPE)
endfunction()

function(fail why)
    message(FATAL_ERROR "${why}:\n${OUTPUT}")
endfunction()

audit(planted "${base}ethyl acetate\t乙酸乙酯\tester\n" "")
if(RESULT EQUAL 0)
    fail("planted traps must fail the audit")
endif()
string(FIND "${OUTPUT}" "2-phenylethyl acetate\tethyl acetate" whole_name)
if(whole_name EQUAL -1)
    fail("the whole name firing inside 2-phenylethyl acetate must be listed")
endif()
string(FIND "${OUTPUT}" "ethyl glycolate\t乙基 二醇ate" bitten)
if(bitten EQUAL -1)
    fail("glycol biting glycolate must be listed")
endif()

# Shielded: a longer entry takes each word first.
audit(shielded "${base}ethyl acetate\t乙酸乙酯\tester\nphenylethyl acetate\t苯基乙基 乙酸酯\tester
chloroethyl acetate\t氯乙基 乙酸酯\tester\nmethyl acetate\t甲基 乙酸酯\tester\nmonoethyl acetate\t单乙基 乙酸酯\tester
glycolate\t乙醇酸酯\ttrivial\n" "")
if(NOT RESULT EQUAL 0)
    fail("shielded entries must pass")
endif()

# Allowed: the whole name is kept on purpose, the bitten word tolerated.
audit(allowed "${base}ethyl acetate\t乙酸乙酯\tester\nglycolate\t乙醇酸酯\ttrivial\n" "ethyl acetate\n")
if(NOT RESULT EQUAL 0)
    fail("an allowed entry must pass")
endif()

# A line of the allowed list that names no entry fails.
audit(stale "${base}glycolate\t乙醇酸酯\ttrivial\n" "ethyl acetate\n")
if(RESULT EQUAL 0)
    fail("a stale allowed line must fail")
endif()
file(REMOVE_RECURSE "${WORK}")
