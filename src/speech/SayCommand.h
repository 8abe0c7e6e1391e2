#pragma once

#include <QDir>
#include <QStringList>

namespace ortelia {

// "ortelia say [--wav FILE] LINE...": speaks the lines as one request through the speech engine,
// or writes the speech to a WAV file instead of playing it.
int runSay(const QStringList &args, const QDir &startDir);
// True when the call is to be heard (no --wav): that needs the window program's sound card.
bool sayNeedsSoundCard(const QStringList &args);

} // namespace ortelia
