#pragma once

#include "StateModels.h"

namespace ortelia {

// The state the windows share, owned by the program and handed to every window.
struct ProgramState {
    // The language names of the main window's translator and of the text translator (and the
    // clipboard translation that runs through it), as their dictionaries answer them.
    LanguagePair translatorPair;
    LanguagePair textPair;
    // The desktop shows the program's icon in a notification area; without one a window hidden
    // "to the tray" could never come back.
    Flag notificationArea;
    // "Ton aus": speech and sound effects are silent.
    Flag muted;
    // The text translator is open beside the main window.
    Flag textTranslatorOpen;
    // The main window's translator takes its words from dictation.
    Flag dictationMode;
    // The Arabic keyboard types into the text translator (else into the main window's translator).
    Flag keyboardServesTextTranslator;
    // The help window reads each new help text aloud.
    Flag helpReadsAloud;
    // Milliseconds after which the translator searches a dictated word.
    Level dictationPace;
    // The text translator's reading speed, as the options choose it.
    Level readingSpeed;
    // The list translator's work, shown in the main window too.
    Progress listProgress;
};

} // namespace ortelia
