# add_project_test(NAME SOURCES src... [LIBS lib...]): a GoogleTest program run
# by CTest as NAME (NAME.win32 / NAME.win64 in the Windows builds, where it runs
# under the build's Wine prefix through the cross-compiling emulator).
function(add_project_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  set(workdir ${CMAKE_CURRENT_BINARY_DIR}/${name}.out)
  file(MAKE_DIRECTORY ${workdir})
  add_test(NAME ${name}${TEST_SUFFIX} COMMAND ${name} WORKING_DIRECTORY ${workdir})
  set_tests_properties(${name}${TEST_SUFFIX} PROPERTIES TIMEOUT 300)
  if(WIN32)
    set_tests_properties(${name}${TEST_SUFFIX} PROPERTIES FIXTURES_REQUIRED ${WINE_FIXTURE} LABELS wine SKIP_RETURN_CODE 77)
  endif()
endfunction()
