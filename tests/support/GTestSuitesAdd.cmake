# Run by CTest through tolmora_gtest_suites(): adds one test per suite that
# the binary lists. A binary that is not built yet shows as one failing test.
if(NOT EXISTS "${TOLMORA_GTEST_BINARY}")
  add_test("${TOLMORA_GTEST_TARGET}_NOT_BUILT" "${TOLMORA_GTEST_TARGET}_NOT_BUILT")
  return()
endif()
execute_process(COMMAND "${TOLMORA_GTEST_BINARY}" --gtest_list_tests
                OUTPUT_VARIABLE _listing RESULT_VARIABLE _result TIMEOUT 60)
if(NOT _result EQUAL 0)
  add_test("${TOLMORA_GTEST_TARGET}_LISTING_FAILED" "${TOLMORA_GTEST_BINARY}" --gtest_list_tests)
  return()
endif()
string(REPLACE "\n" ";" _lines "${_listing}")
foreach(_line IN LISTS _lines)
  # Suite lines start in the first column and end with a dot; case lines are indented.
  if(_line MATCHES "^([^ #][^ ]*)\\.( .*)?$")
    set(_suite "${CMAKE_MATCH_1}")
    add_test("${TOLMORA_GTEST_PREFIX}${_suite}" "${TOLMORA_GTEST_BINARY}" "--gtest_filter=${_suite}.*")
    set_tests_properties("${TOLMORA_GTEST_PREFIX}${_suite}" PROPERTIES TIMEOUT ${TOLMORA_GTEST_TIMEOUT}
                         WORKING_DIRECTORY "${TOLMORA_GTEST_FOLDER}")
  endif()
endforeach()
