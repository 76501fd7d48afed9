# The Statistics window over the game history.
target_sources(tolmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ScoreChart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScoreChart.h
  ${CMAKE_CURRENT_LIST_DIR}/frmStatistics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmStatistics.h
)
target_link_libraries(tolmora_ui PUBLIC tolmora_history)
