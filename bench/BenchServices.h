#pragma once

// The services the program's main() hands its windows, built by a benchmark that opens windows
// on the process's engine. It registers the windows with them and resets the registry before they
// go.

#include "ProgramRequests.h"
#include "ProgramState.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "WindowServices.h"

namespace ortelia::bench {

struct BenchServices {
    explicit BenchServices(SpeechEngine &engine) : speaker(engine) {}

    ProgramState state;
    ProgramRequests requests;
    Speaker speaker;
    WindowServices services{state, requests, speaker};
};

} // namespace ortelia::bench
