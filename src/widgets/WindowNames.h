#pragma once

// The program's windows by name: the registry creates, shows and unloads them by these names.
// Windows never reach into each other's controls; they share state and requests (src/services).

#include <QLatin1String>

namespace ortelia {

// X(window)
#define ORTELIA_WINDOWS(X)                                                                             \
    X(Form3) X(hilfe1) X(TextUeberA) X(Speaking) X(supertrans1) X(worter1) X(arabisch1) X(Logox4)    \
        X(up1) X(zeit) X(ortelia)

namespace windows {
#define ORTELIA_WINDOW_NAME(w) inline constexpr QLatin1String w{#w};
ORTELIA_WINDOWS(ORTELIA_WINDOW_NAME)
#undef ORTELIA_WINDOW_NAME
} // namespace windows

} // namespace ortelia
