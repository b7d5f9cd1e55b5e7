# One short fuzz run, as a test: FUZZER tries RUNS inputs grown from the committed CORPUS with a
# fixed seed. What it finds goes to a fresh folder under WORK, never into the corpus; an input that
# breaks a property is kept there as crash-*.
#   cmake -D FUZZER=... -D CORPUS=... -D WORK=... -D RUNS=... -D MAX_LEN=... -P short_run.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/found")
execute_process(
    COMMAND "${FUZZER}" -runs=${RUNS} -seed=1 -max_len=${MAX_LEN} -print_final_stats=1
            "-artifact_prefix=${WORK}/" "${WORK}/found" "${CORPUS}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is kept in ${WORK}")
endif()
