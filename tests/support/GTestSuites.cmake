# tolmora_gtest_suites(<target> [PREFIX <name.>] [TIMEOUT <seconds>])
#
# One CTest test per GoogleTest suite of <target>: "<prefix><Suite>" runs
# the binary with --gtest_filter=<Suite>.*, so a suite's cases share one
# process (a window suite starts Qt once, not once a case) while
# `ctest -R <Suite>` still picks a suite, and a failure's output names the
# case. The suites are listed when CTest starts, from the built binary.
set(_tolmora_gtest_suites_script ${CMAKE_CURRENT_LIST_DIR}/GTestSuitesAdd.cmake)

function(tolmora_gtest_suites target)
  cmake_parse_arguments(ARG "" "PREFIX;TIMEOUT" "" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
  file(GENERATE OUTPUT ${include_file} CONTENT
"set(TOLMORA_GTEST_BINARY [==[$<TARGET_FILE:${target}>]==])
set(TOLMORA_GTEST_PREFIX [==[${ARG_PREFIX}]==])
set(TOLMORA_GTEST_TIMEOUT ${ARG_TIMEOUT})
set(TOLMORA_GTEST_TARGET ${target})
set(TOLMORA_GTEST_FOLDER [==[${CMAKE_CURRENT_BINARY_DIR}]==])
include([==[${_tolmora_gtest_suites_script}]==])
")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
