# Runs one benchmark program once at a small size (MENULOOM_BENCH_SMOKE is set by the test) and
# fails when it reports an error, so that no benchmark rots unnoticed. The large arguments are
# left out; the full runs stay manual.
# Usage: cmake -DEXE=path/to/bench_x -P smoke.cmake
execute_process(
    COMMAND ${EXE} --benchmark_min_time=0 "--benchmark_filter=-/([2-9][0-9][0-9][0-9]|[0-9][0-9][0-9][0-9][0-9]+)$"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
message("${out}${err}")
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${EXE} exited with ${rc}")
endif()
if(out MATCHES "ERROR OCCURRED" OR err MATCHES "ERROR OCCURRED")
    message(FATAL_ERROR "${EXE} reported an error")
endif()
