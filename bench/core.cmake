ortelia_add_bench(bench_core SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_core.cpp LIBS ortelia_core)
