#pragma once

#include <QDir>
#include <QStringList>

namespace ortelia {

// "ortelia lookup --say [--wav FILE] ...": prints the answer as lookup does, then speaks it as the
// translator window would: the voice profile, in the answer's language (the dictionary's foreign
// language for a German word, German for a foreign one), followed by the answer; with --wav into
// that file instead. The exit status of the lookup, else 2 for a FILE that is no regular file and
// 1 when it cannot be written.
int runSpokenLookup(const QStringList &args, const QDir &startDir);

} // namespace ortelia
