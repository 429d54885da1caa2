# Runs one libFuzzer target for a few seconds, starting from the committed
# corpus. New inputs and crash files go to a scratch folder in the build
# tree, never into the source tree. Called as
#   cmake -DFUZZER=<binary> -DCORPUS=<committed corpus> -DWORK=<scratch> -P RunFuzzer.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
# -close_fd_mask=2 silences what the library prints about passwords; the
# fuzzer's own report of a failure still shows.
execute_process(
  COMMAND ${FUZZER} -max_total_time=5 -runs=2000000 -max_len=256 -close_fd_mask=2
          -artifact_prefix=${WORK}/artifacts/ ${WORK}/corpus ${CORPUS}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} found a failure (exit ${result}); the input is in ${WORK}/artifacts")
endif()
