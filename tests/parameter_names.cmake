# Fails when a test program lists a parameterised test whose parameter prints as raw
# bytes ("4-byte object <00-00 00-00>"): a failure of it would not say which case failed.
# PROGRAMS: the test programs, separated by "|".
string(REPLACE "|" ";" programs "${PROGRAMS}")
set(unreadable "")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${program}" --gtest_list_tests OUTPUT_VARIABLE listing RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${program} --gtest_list_tests failed: ${result}")
  endif()
  string(REGEX MATCHALL "[^\n]*-byte object <[^\n]*" found "${listing}")
  foreach(line IN LISTS found)
    string(STRIP "${line}" line)
    string(APPEND unreadable "\n  ${program}: ${line}")
  endforeach()
endforeach()
if(unreadable)
  message(FATAL_ERROR "parameters without a printer (give their type a PrintTo):${unreadable}")
endif()
