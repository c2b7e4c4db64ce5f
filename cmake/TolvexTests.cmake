# One helper registers every test executable: one executable per test file, its CTest entries
# and the offscreen platform for window tests. Tests build their inputs themselves (byte by byte
# or in a scratch folder), so there is no test-data folder.

include(GoogleTest)

function(tolvex_add_core_test source)
  get_filename_component(name ${source} NAME_WE)
  add_executable(core_${name} ${source})
  target_link_libraries(core_${name} PRIVATE tolvex_core tolvex_headless testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(core_${name} DISCOVERY_MODE PRE_TEST)
endfunction()

function(tolvex_add_app_test source)
  get_filename_component(name ${source} NAME_WE)
  add_executable(app_${name} ${source})
  target_link_libraries(app_${name} PRIVATE tolvex_app tolvex_core testsupport Qt6::Test)
  add_test(NAME app_${name} COMMAND app_${name})
  set_tests_properties(app_${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 300)
endfunction()
