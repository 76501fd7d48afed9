# Start-up's read of "Settings.log" when the file is hostile.
add_executable(tolmora_settings_bench ${CMAKE_CURRENT_LIST_DIR}/settings_bench.cpp)
target_link_libraries(tolmora_settings_bench PRIVATE tolmora_game benchmark::benchmark_main)
