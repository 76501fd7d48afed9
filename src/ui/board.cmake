# The board surface (PicMap): shows the board picture and passes on clicks.
target_sources(tolmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BoardSurface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardSurface.h
  ${CMAKE_CURRENT_LIST_DIR}/BoardView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardView.h)
target_link_libraries(tolmora_ui PUBLIC tolmora_presentation)
