# Big and hostile themes on the main window, each in a child process that
# reports its own time and peak memory.
add_executable(tolmora_theme_bench
  ${CMAKE_CURRENT_LIST_DIR}/OffscreenGame.h
  ${CMAKE_CURRENT_LIST_DIR}/theme_bench.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/HostileFiles.h)
target_include_directories(tolmora_theme_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(tolmora_theme_bench PRIVATE tolmora_ui benchmark::benchmark)
