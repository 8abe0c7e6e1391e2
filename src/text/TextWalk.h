#pragma once

#include "LookUpOnPage.h"
#include "TextRoutines.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace ortelia {

class Dictionary;

// The text translator's word walk without its timers: the words of a text as the window splits
// them, and one lookup per word whose answer stays paired with that word.
namespace TextWalk {

// A text as the splitter takes it: the window normalises its work copy, and the splitter
// normalises it once more. Invisible characters go first and the text is composed (LookupKey::cleaned).
QString normalised(const QString &text, TextDirection direction);

// The words of a text for the direction: normalised, then split. A text beyond the splitter's
// limits (1,501 words, 32,767 characters) is split in pieces of whole sentences, a longer
// sentence at words, so nothing is refused and no box is shown; a word longer than 32,767
// characters stays one word, cut to that length.
QStringList words(const QString &text, TextDirection direction);

struct Pair {
    QString word; // as it went to the page: lower-cased
    LookupAnswer answer;
};

// One word as the window looks it up: lower-cased, answered at once.
Pair lookUp(Dictionary &dictionary, const QString &word, TextDirection direction);

// One pair per word, in the words' order; the words of a phrase or a separated verb carry the
// answer of what they form (TextTranslation).
QList<Pair> lookUpAll(Dictionary &dictionary, const QStringList &words, TextDirection direction);

// The same for a whole text split as words() splits it, a piece at a time, so that neither its
// normalised text nor its words nor their answers are held whole: each pair goes to each in order,
// without the empty word before a leading blank. False when each said stop (false).
bool translate(Dictionary &dictionary, const QString &text, TextDirection direction,
               const std::function<bool(const Pair &)> &each);

} // namespace TextWalk
} // namespace ortelia
