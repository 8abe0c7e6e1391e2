# The dictation interpreter: the pace of its hand-over and its rest while idle.
ortelia_add_bench(bench_dictation SOURCES ${CMAKE_CURRENT_LIST_DIR}/dictation/bench_dictation.cpp
                  LIBS ortelia_program ortelia_core ortelia_tts ortelia_widgets Qt6::Widgets)
add_dependencies(bench_dictation ortelia)
