# The browser control and the dictionary page (needs the imported DeEn and the page T2).
ortelia_add_bench(bench_web SOURCES ${CMAKE_CURRENT_LIST_DIR}/web/LookupBench.cpp LIBS ortelia_chooser ortelia_tabular_pages Qt6::Widgets)
add_dependencies(bench_web ortelia)

# "ortelia lookup hallo" as a whole process beside dictd's client for the same word.
configure_file(${CMAKE_CURRENT_LIST_DIR}/web/lookup-process.sh ${CMAKE_BINARY_DIR}/bench/bench_web_process
               COPYONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)

# The headless page: a change of shape on pages of growing size.
ortelia_add_bench(bench_page SOURCES ${CMAKE_CURRENT_LIST_DIR}/web/PageBench.cpp LIBS ortelia_page Qt6::Widgets)
