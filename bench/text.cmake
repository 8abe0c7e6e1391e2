# The text translator's word walk on the real DeEn (needs the imported DeEn and the page T2).
ortelia_add_bench(bench_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/text/TextWalkBench.cpp LIBS ortelia_textwalk Qt6::Widgets)
target_compile_definitions(bench_text PRIVATE ORTELIA_BENCH_TEXT="${CMAKE_CURRENT_LIST_DIR}/text/beispiel.txt")
add_dependencies(bench_text ortelia)

# "ortelia translate" of a 10,000-word German text as a whole process.
configure_file(${CMAKE_CURRENT_LIST_DIR}/text/translate-process.sh ${CMAKE_BINARY_DIR}/bench/bench_text_process
               COPYONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/text/beispiel.txt ${CMAKE_BINARY_DIR}/bench/beispiel.txt COPYONLY)

# Coverage of German prose and manual pages per pair through "ortelia translate" (needs fortunes-de
# and manpages-de).
configure_file(${CMAKE_CURRENT_LIST_DIR}/text/coverage.sh ${CMAKE_BINARY_DIR}/bench/bench_text_coverage
               COPYONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)

# Everyday phrases and separable-verb sentences translated right, and the first translation of
# everyday words held out of the tests, through "ortelia translate" and "ortelia lookup".
foreach(script phrases precision)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/text/${script}.sh ${CMAKE_BINARY_DIR}/bench/bench_text_${script}
                 COPYONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
endforeach()
foreach(list phrasen.tab erste-uebersetzung.tab)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/text/${list} ${CMAKE_BINARY_DIR}/bench/${list} COPYONLY)
endforeach()
