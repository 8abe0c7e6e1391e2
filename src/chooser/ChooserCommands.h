#pragma once

#include <QDir>
#include <QStringList>

namespace ortelia {

// ortelia lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page FILE] [--foreign] WORD
// Looks the word up on a dictionary page as the windows do and prints
// Textfeld2, Textfeld and Textfeld3, one per line. 0 when the page answered, 1 when it found
// nothing, 2 on a wrong call.
int runLookupCommand(const QStringList &args, const QDir &startDir);
// The same in the lookup program, on QtCore alone: it answers the program's own dictionary pages
// itself; for every other call it returns kHandOn (CommandEnd.h): that call is the page program's.
int runOwnPageLookupCommand(const QStringList &args, const QDir &startDir);

} // namespace ortelia
