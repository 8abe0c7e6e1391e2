#pragma once

// The services the program hands its windows, built fresh for a test.

#include "ProgramRequests.h"
#include "ProgramState.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "WindowServices.h"

namespace ortelia::test {

struct TestServices {
    ProgramState state;
    ProgramRequests requests;
    Speaker speaker{SpeechEngine::instance()};
    WindowServices services{state, requests, speaker};
};

} // namespace ortelia::test
