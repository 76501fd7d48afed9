# The Statistics window over a real history in a temporary folder, on Qt's offscreen platform.
add_executable(tolmora_statistics_tests ${CMAKE_CURRENT_LIST_DIR}/StatisticsWindowTest.cpp)
target_include_directories(tolmora_statistics_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/history ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(tolmora_statistics_tests PRIVATE tolmora_ui tolmora_qt_test_main Qt6::Test)
tolmora_gtest_suites(tolmora_statistics_tests PREFIX "statistics.")
