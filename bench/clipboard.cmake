# The clipboard translator: F5 in the main window to the first word's answer in the text translator.
ortelia_add_bench(bench_clipboard SOURCES ${CMAKE_CURRENT_LIST_DIR}/clipboard/bench_clipboard.cpp
                  LIBS ortelia_program ortelia_core ortelia_tts ortelia_widgets Qt6::Widgets)
add_dependencies(bench_clipboard ortelia)
