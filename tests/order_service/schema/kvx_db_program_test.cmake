# Runs the kvx program on a fresh SQLite file: db init --demo, kvx sql reading
# the demo back, refusal of a second init, --force, a failing statement, and
# db schema's usage errors.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(kvx expected_rc)
  execute_process(COMMAND ${KVX} --windir ${WORK} ${ARGN}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "kvx ${ARGN}: exit ${rc}, expected ${expected_rc}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

kvx(0 config write --server sqlite:${WORK}/works.db --user u --password p --database d
      --orders 订单记录 --customers 客户资料)
kvx(0 db init --demo)

kvx(0 sql "Select 客户代码,会员级别 from 客户资料 where 客户代码 like 'a000%' order by 序号")
set(expected "客户代码\t会员级别\nA0001星光广告\t同行价\nA0002彩虹图文\t代理价/同行价/代理价/同行价\n")
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "kvx sql printed:\n${out}\nexpected:\n${expected}")
endif()

kvx(1 db init --demo)
if(NOT err MATCHES "exist.*客户资料")
  message(FATAL_ERROR "a second init did not name the existing tables: ${err}")
endif()

kvx(0 sql "delete from 订单记录")
kvx(0 db init --demo --force)
kvx(0 sql "Select count(*) as n from 订单记录")
if(NOT out STREQUAL "n\n3\n")
  message(FATAL_ERROR "--force did not rebuild the demo orders: ${out}")
endif()

kvx(1 sql "Select 没有的列 from 客户资料")
if(err STREQUAL "")
  message(FATAL_ERROR "a failing statement printed no error")
endif()

kvx(2 db schema --dialect oracle)
kvx(2 db init --verbose)
