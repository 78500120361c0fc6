# Runs each fuzz target for a few thousand inputs (at most 30 s each) from its
# seed folder. New inputs go to a scratch folder of the build, never to the
# seeds. Called by the fuzz_smoke target with FUZZ_BIN, FUZZ_SEEDS and
# FUZZ_TARGETS (names separated by commas).
string(REPLACE "," ";" targets "${FUZZ_TARGETS}")
foreach(target IN LISTS targets)
  string(REGEX REPLACE "^fuzz_" "" name ${target})
  set(scratch ${FUZZ_BIN}/smoke-corpus/${name})
  file(MAKE_DIRECTORY ${scratch})
  set(seeds)
  if(IS_DIRECTORY ${FUZZ_SEEDS}/${name})
    set(seeds ${FUZZ_SEEDS}/${name})
  endif()
  message(STATUS "fuzz smoke: ${target}")
  execute_process(COMMAND ${FUZZ_BIN}/${target} -runs=5000 -max_total_time=30 -max_len=4096 ${scratch} ${seeds}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE log)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${target} failed (${result}):\n${log}")
  endif()
endforeach()
