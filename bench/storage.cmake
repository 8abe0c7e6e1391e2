# Dictionary storage: whole "ortelia lookup" processes, and the memory a wide header costs.
ortelia_add_bench(bench_storage SOURCES ${CMAKE_CURRENT_LIST_DIR}/storage/StorageBench.cpp LIBS ortelia_tabular Qt6::Widgets)
add_dependencies(bench_storage ortelia)
