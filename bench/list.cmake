ortelia_add_bench(bench_list SOURCES ${CMAKE_CURRENT_LIST_DIR}/list/bench_list.cpp LIBS ortelia_list)
