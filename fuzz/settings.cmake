# The settings reader: any bytes as "Settings.log", written back and merged.
tolmora_add_fuzzer(settings
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_fuzz.cpp
  LIBRARIES tolmora_game)
