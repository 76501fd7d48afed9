# The game history: recording one finished game, and opening the Statistics
# window on a long history.
add_executable(tolmora_history_bench ${CMAKE_CURRENT_LIST_DIR}/OffscreenMain.h ${CMAKE_CURRENT_LIST_DIR}/history_bench.cpp)
target_link_libraries(tolmora_history_bench PRIVATE tolmora_ui tolmora_history benchmark::benchmark)
