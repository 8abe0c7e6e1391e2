#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace ortelia::web {

// The longest phrase a dictionary holds that begins at a word of a text ("guten Morgen", "auf jeden
// Fall"): for the text translator, which prefers it over the single words.
class Phrases {
public:
    // Whether the dictionary (or its supplementary file) holds a key, given its words joined by one
    // blank.
    using Known = std::function<bool(const QString &)>;

    static constexpr int kMaxWords = 4;

    // The number of words, two to kMaxWords, of the longest phrase the dictionary holds that begins
    // at words[at]; 0 when there is none. Longer phrases are tried first.
    static int longestAt(const QStringList &words, qsizetype at, const Known &known);
};

} // namespace ortelia::web
