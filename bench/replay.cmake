# Recordings and replays: a move kept on the click path, a two-minute game
# loaded and set up for replay, and the largest group on the largest board.
add_executable(tolmora_replay_bench ${CMAKE_CURRENT_LIST_DIR}/replay_bench.cpp)
target_include_directories(tolmora_replay_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/fakes)
target_link_libraries(tolmora_replay_bench PRIVATE tolmora_game benchmark::benchmark_main)
