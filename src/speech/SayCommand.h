#pragma once

#include <QDir>
#include <QStringList>

namespace ortelia {

// "ortelia say [--wav FILE] LINE...": speaks the lines as one request through the speech engine,
// or writes the speech to a WAV file instead of playing it: in place of a regular file or of
// nothing, or of the regular file a link leads to. 0 when done, 1 when the file cannot be
// written, 2 on a wrong call or when FILE names anything else (a device, a FIFO, a folder).
int runSay(const QStringList &args, const QDir &startDir);
// True when the call is to be heard (no --wav): that needs the window program's sound card.
bool sayNeedsSoundCard(const QStringList &args);

} // namespace ortelia
