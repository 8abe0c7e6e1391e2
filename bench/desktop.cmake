ortelia_add_bench(bench_desktop SOURCES ${CMAKE_CURRENT_LIST_DIR}/desktop/bench_desktop.cpp LIBS ortelia_desktop)
