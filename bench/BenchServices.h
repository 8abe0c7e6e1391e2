#pragma once

// The services the program's main() hands its windows, built by a benchmark that opens windows
// on the process's engine. It registers the windows with them; the windows go with the registry.

#include "ProgramRequests.h"
#include "ProgramState.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

namespace ortelia::bench {

struct BenchServices {
    explicit BenchServices(SpeechEngine &engine) : speaker(engine) {}

    ProgramState state;
    ProgramRequests requests;
    Speaker speaker;
    WindowRegistry windows;
    WindowServices services{state, requests, speaker, windows};
};

} // namespace ortelia::bench
