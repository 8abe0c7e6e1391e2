#pragma once

#include <QDir>
#include <QStringList>

namespace ortelia {

// ortelia translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page FILE] [--foreign] [FILE]
// Translates a text (FILE, else standard input) word by word as the text translator does and
// prints one line per word: the looked-up word, Textfeld2 and Textfeld, separated by tabs.
// 0 when done, 1 when the text or the page cannot be read, 2 on a wrong call.
int runTranslateCommand(const QStringList &args, const QDir &startDir);

} // namespace ortelia
