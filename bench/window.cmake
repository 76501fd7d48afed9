# The main window through Qt's offscreen platform: start-up, a click, a
# cursor key, and the real program's peak memory.
add_executable(tolmora_window_bench ${CMAKE_CURRENT_LIST_DIR}/OffscreenGame.h ${CMAKE_CURRENT_LIST_DIR}/OffscreenMain.h ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
target_link_libraries(tolmora_window_bench PRIVATE tolmora_ui benchmark::benchmark)
target_compile_definitions(tolmora_window_bench PRIVATE TOLMORA_PROGRAM="$<TARGET_FILE:tolmora>")
add_dependencies(tolmora_window_bench tolmora)
