# The Help menu's windows: About and the rules document.
configure_file(${CMAKE_CURRENT_LIST_DIR}/TolmoraVersion.h.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/TolmoraVersion.h @ONLY)
target_include_directories(tolmora_ui PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/generated)

target_sources(tolmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrmAbout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmAbout.h
)

