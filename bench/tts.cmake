# Speech: from a request to the first sample handed to the audio output, and the whole
# "ortelia say --wav" process against eSpeak NG's own command.
set(ORTELIA_TTS_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/tts/bench_tts.cpp ${CMAKE_CURRENT_LIST_DIR}/tts/FirstSample.h)
if(TARGET ortelia_web)
  list(APPEND ORTELIA_TTS_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/tts/bench_tts_page.cpp)
endif()
ortelia_add_bench(bench_tts SOURCES ${ORTELIA_TTS_BENCH_SOURCES} LIBS ortelia_speech Qt6::Widgets)
