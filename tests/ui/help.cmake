# The About and rules windows, on Qt's offscreen platform, and the command line.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(tolmora_help_tests
  ${CMAKE_CURRENT_LIST_DIR}/AboutWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RulesWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SessionBusProbeTest.cpp
)
target_link_libraries(tolmora_help_tests PRIVATE tolmora_ui tolmora_qt_test_main Qt6::Test)
tolmora_gtest_suites(tolmora_help_tests PREFIX "help.")
