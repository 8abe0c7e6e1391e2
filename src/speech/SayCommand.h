#pragma once

#include <QDir>
#include <QStringList>

namespace ortelia {

// "ortelia say [--wav FILE] LINE...": speaks the lines as one request through the speech engine,
// or writes the speech to a WAV file instead of playing it.
int runSay(const QStringList &args, const QDir &startDir);

} // namespace ortelia
