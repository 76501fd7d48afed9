# LoadBricks and DrawBricks with the paint of a visible window.
add_executable(tolmora_presentation_bench ${CMAKE_CURRENT_LIST_DIR}/presentation_bench.cpp)
target_link_libraries(tolmora_presentation_bench PRIVATE tolmora_presentation benchmark::benchmark_main)
