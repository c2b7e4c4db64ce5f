# One helper registers every test executable: one executable per test file, its CTest entries,
# the offscreen platform for window tests and the test-data folder.
set(TOLVEX_TEST_DATA ${CMAKE_SOURCE_DIR}/tests/data)

include(GoogleTest)

function(tolvex_add_core_test source)
  get_filename_component(name ${source} NAME_WE)
  add_executable(core_${name} ${source})
  target_link_libraries(core_${name} PRIVATE tolvex_core tolvex_headless testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(core_${name} PRIVATE TOLVEX_TEST_DATA="${TOLVEX_TEST_DATA}")
  gtest_discover_tests(core_${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "TOLVEX_TEST_DATA=${TOLVEX_TEST_DATA}")
endfunction()

function(tolvex_add_app_test source)
  get_filename_component(name ${source} NAME_WE)
  add_executable(app_${name} ${source})
  target_link_libraries(app_${name} PRIVATE tolvex_app tolvex_core testsupport Qt6::Test)
  target_compile_definitions(app_${name} PRIVATE TOLVEX_TEST_DATA="${TOLVEX_TEST_DATA}")
  add_test(NAME app_${name} COMMAND app_${name})
  set_tests_properties(app_${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TOLVEX_TEST_DATA=${TOLVEX_TEST_DATA}"
    TIMEOUT 300)
endfunction()
