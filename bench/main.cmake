# Start-up time and memory of the main window, beside GoldenDict on the same machine: a script,
# since it measures whole processes on an X server.
configure_file(${CMAKE_CURRENT_LIST_DIR}/main/bench_main.sh.in ${CMAKE_BINARY_DIR}/bench/bench_main @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
