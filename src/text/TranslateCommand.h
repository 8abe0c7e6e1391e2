#pragma once

#include <QDir>
#include <QStringList>

namespace ortelia {

// The most bytes translate takes. It holds every word and its answer, so it needs about
// 40 bytes of memory per byte of text, and takes about a second per megabyte.
inline constexpr qint64 kMaxTranslateInput = 16 << 20;

// ortelia translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page FILE] [--foreign] [FILE]
// Translates a text (FILE, else standard input) word by word as the text translator does and
// prints one line per word: the looked-up word, Textfeld2 and Textfeld, separated by tabs.
// 0 when done, 1 when the text or the page cannot be read or the output cannot be written, 2 on
// a wrong call. A text above kMaxTranslateInput, or a FILE that is not a regular file, is refused.
int runTranslateCommand(const QStringList &args, const QDir &startDir);

} // namespace ortelia
