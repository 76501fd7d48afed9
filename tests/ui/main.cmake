# The main window, the new-game dialog and the Qt adapters, on Qt's offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(tolmora_window_tests
  ${CMAKE_CURRENT_LIST_DIR}/BoardFeaturesWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BoardViewWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GameTextsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HistoryWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HostileThemeWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeyboardPlayTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LanguagesWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h
  ${PROJECT_SOURCE_DIR}/tests/support/FindControl.h
  ${PROJECT_SOURCE_DIR}/tests/support/HostileFiles.h
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowLayoutTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowPlayTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NewGameWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PreferencesWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtAdaptersTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReplayWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsWindowTest.cpp
)
target_include_directories(tolmora_window_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/fakes ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(tolmora_window_tests PRIVATE tolmora_ui tolmora_qt_test_main Qt6::Test)
# The example themes as built, for the suites that start the game with one.
target_compile_definitions(tolmora_window_tests PRIVATE TOLMORA_THEMES_DIR="${TOLMORA_THEMES_DIR}"
  TOLMORA_TRANSLATIONS_DIR="${PROJECT_SOURCE_DIR}/translations")
add_dependencies(tolmora_window_tests tolmora_themes)
tolmora_gtest_suites(tolmora_window_tests PREFIX "window." TIMEOUT 300)
