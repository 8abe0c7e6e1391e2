# Speech: from a request to the first sample at the sink, word events against the heard words,
# underruns while the window thread is busy, and the whole "ortelia say --wav" process against
# eSpeak NG's own command.
ortelia_add_bench(bench_tts
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tts/bench_tts.cpp ${CMAKE_CURRENT_LIST_DIR}/tts/FirstSample.h
          ${CMAKE_CURRENT_LIST_DIR}/tts/bench_tts_speaker.cpp
  LIBS ortelia_speech Qt6::Widgets)
