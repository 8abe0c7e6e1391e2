# The word list under the translator's fields and the suggestions for a word without entry, on the
# real DeEn (needs the imported DeEn and the page T2).
ortelia_add_bench(bench_wordlist SOURCES ${CMAKE_CURRENT_LIST_DIR}/dictionary/WordListBench.cpp
  LIBS ortelia_lookup ortelia_tabular_pages Qt6::Widgets)
add_dependencies(bench_wordlist ortelia)
