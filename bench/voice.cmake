# The voice settings window: from letting go of a slider to the first sample of the test sentence.
ortelia_add_bench(bench_voice SOURCES ${CMAKE_CURRENT_LIST_DIR}/voice/bench_voice.cpp
                  LIBS ortelia_program ortelia_speech ortelia_tts Qt6::Widgets)
target_include_directories(bench_voice PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tts)
add_dependencies(bench_voice ortelia)
