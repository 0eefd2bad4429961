# Runs the kvx program: config write into a fresh folder, then a call of
# LoadCfgINI that must print True, and an unknown member that must exit 2.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${KVX} --windir ${WORK} config write --server s --user u --password p
                        --database d --orders o --customers c
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "config write exited ${rc}")
endif()
execute_process(COMMAND ${KVX} --windir ${WORK} call LoadCfgINI OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "LoadCfgINI -> True\n")
  message(FATAL_ERROR "LoadCfgINI: exit ${rc}, output \"${out}\"")
endif()
execute_process(COMMAND ${KVX} call NoSuchMember RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 2)
  message(FATAL_ERROR "unknown member exited ${rc}: ${err}")
endif()
