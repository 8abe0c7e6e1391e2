# The update functions against Python's static web server on 127.0.0.1: fetching and storing a
# 50,000-byte list, and a 6 MB dictionary download with the event loop's longest gap.
ortelia_add_bench(bench_update SOURCES ${CMAKE_CURRENT_LIST_DIR}/update/UpdateBench.cpp
                  LIBS ortelia_http ortelia_updatelist)
