# The main window, the new-game dialog and the Qt sides of the platform services.
target_sources(tolmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.h
  ${CMAKE_CURRENT_LIST_DIR}/frmMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmMain.h
  ${CMAKE_CURRENT_LIST_DIR}/frmNewGame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmNewGame.h
  ${CMAKE_CURRENT_LIST_DIR}/GameTexts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameTexts.h
  ${CMAKE_CURRENT_LIST_DIR}/FitFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FitFont.h
  ${CMAKE_CURRENT_LIST_DIR}/IniPreferencesStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IniPreferencesStore.h
  ${CMAKE_CURRENT_LIST_DIR}/LegacyFont.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LegacyFont.h
  ${CMAKE_CURRENT_LIST_DIR}/MenuActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuActions.h
  ${CMAKE_CURRENT_LIST_DIR}/QtFileDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtFileDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/QtInputBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtInputBox.h
  ${CMAKE_CURRENT_LIST_DIR}/QtMessageBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtMessageBox.h
  ${CMAKE_CURRENT_LIST_DIR}/SessionBusProbe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SessionBusProbe.h
  ${CMAKE_CURRENT_LIST_DIR}/SidePanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SidePanel.h
  ${CMAKE_CURRENT_LIST_DIR}/SteadyGameClock.h
  ${CMAKE_CURRENT_LIST_DIR}/ThemeSound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Translations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Translations.h
  ${CMAKE_CURRENT_LIST_DIR}/ThemeSound.h
  ${CMAKE_CURRENT_LIST_DIR}/Twips.h
  ${CMAKE_CURRENT_LIST_DIR}/WrapButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WrapButton.h
)
target_link_libraries(tolmora_ui PUBLIC tolmora_game tolmora_presentation tolmora_sound PRIVATE tolmora_files)
