#pragma once

#include "DictionaryModel.h"

#include <QString>

namespace ortelia {

// Reading a dictionary of TranslateDeGb for the list translator, all or nothing: a dictionary
// that fails is refused whole, so the one loaded before stays in the lists. A file that is no
// regular file or is larger than kMaxDictionaryBytes is refused unread, as Faulty.
struct ListDictionary {
    // LineTooLong names its cause instead of the format's example.
    enum class Outcome { Loaded, NotInstalled, Faulty, NotText, LineTooLong };
    Outcome outcome = Outcome::Faulty;
    std::array<QStringList, DictionaryModel::kSections> sections;

    // name: the file name without ".txt". Checks first that TranslateDeGb/DeEn.txt is there
    // (relative to the current directory), as an installed program has it.
    static ListDictionary read(const QString &name);
    // Tells the user why a dictionary was refused: the program's messages.
    static void report(Outcome outcome);
};

} // namespace ortelia
