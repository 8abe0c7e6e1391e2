#pragma once

// The services the program hands its windows, built fresh for a test.

#include "ProgramRequests.h"
#include "ProgramState.h"
#include "Speaker.h"
#include "SpeechEngine.h"
#include "WindowRegistry.h"
#include "WindowServices.h"

namespace ortelia::test {

// The speech engine of the test program: one for the whole process, as the program has one
// (eSpeak NG cannot be started again once an engine has ended it).
SpeechEngine &speechEngine();

struct TestServices {
    ProgramState state;
    ProgramRequests requests;
    Speaker speaker{speechEngine()};
    // Declared after what the windows use, so that they go first.
    WindowRegistry windows;
    WindowServices services{state, requests, speaker, windows};

    // Registers the window class W built with these services, loaded by its Form_Load() when it
    // has one, with the requests it answers, for a test that registers only the windows it needs.
    template <class W> void registerWindow(const QString &name)
    {
        WindowRegistry::LoadStep load;
        if constexpr (requires(W * w) { w->Form_Load(); })
            load = [](QWidget *w) { static_cast<W *>(w)->Form_Load(); };
        windows.registerWindow(
            name, [this] { return new W(services); }, load);
        if constexpr (requires { W::answerRequests(services); })
            W::answerRequests(services);
    }
};

} // namespace ortelia::test
