# The wave loader: any bytes a theme line may name as a sound.
tolmora_add_fuzzer(wave
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/WaveFuzzer.cpp
  LIBRARIES tolmora_sound)
