# The Help menu's windows: About and the rules document.
configure_file(${CMAKE_CURRENT_LIST_DIR}/TolmoraVersion.h.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/TolmoraVersion.h @ONLY)
target_include_directories(tolmora_ui PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/generated)

target_sources(tolmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FrmAbout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmAbout.h
  ${CMAKE_CURRENT_LIST_DIR}/frmRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmRules.h
)

# The rules document, in English and in each language the game speaks, is
# compiled into the program; it is never read from disk.
set(TOLMORA_TRANSLATED_RULES)
foreach(language IN LISTS TOLMORA_LANGUAGES)
  list(APPEND TOLMORA_TRANSLATED_RULES ${PROJECT_SOURCE_DIR}/resources/rules/rules_${language}.html)
endforeach()
qt_add_resources(tolmora_ui tolmora_rules
  PREFIX /rules
  BASE ${PROJECT_SOURCE_DIR}/resources/rules
  FILES ${PROJECT_SOURCE_DIR}/resources/rules/rules.html ${TOLMORA_TRANSLATED_RULES}
)
