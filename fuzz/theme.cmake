# The theme reader: any bytes as a theme file, a colour line and a picture.
tolmora_add_fuzzer(theme
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/theme_fuzz.cpp
  LIBRARIES tolmora_presentation)
