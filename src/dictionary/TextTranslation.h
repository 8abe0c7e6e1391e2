#pragma once

#include "LookUpOnPage.h"
#include "TextRoutines.h"

#include <QHash>
#include <QStringList>

#include <optional>

namespace ortelia {

class Dictionary;

// The answers to the words of a text, one per word, where the dictionary holds more than single
// words: the longest phrase at a position ("guten morgen", "auf jeden fall"); in German, a verb
// whose separated particle ends the clause ("stehe ... auf": aufstehen) and a verb whose infinitive
// ends it ("gehen ... spazieren": spazieren gehen). Every word joined so carries the answer of what
// it joined, whose German field names it. A word alone is answered in the sense its neighbours ask
// for (SenseInContext) where the dictionary tells its senses apart.
class TextTranslation {
public:
    TextTranslation(Dictionary &dictionary, TextDirection direction);

    // Takes the words of a text as it was split, in their case (a capital tells a noun): the marks at
    // a word's edges ("sagt:", "(Haus)") are read as marks of their own, which end a stretch. The
    // answers known from the words before stay known.
    void setWords(const QStringList &words);

    // The answer for the n-th word; nullopt without a page. The words are read a stretch between
    // punctuation at a time: asked in order, every key is looked up once.
    std::optional<LookupAnswer> answerAt(qsizetype n);
    QString writtenKey(qsizetype n) const;

    // Whether the n-th word belongs to a phrase or separated verb that a word before it already
    // stands for ("morgen" in "guten morgen", "auf" in "stehe ... auf"): its answer is that word's.
    bool joinedToEarlier(qsizetype n);

private:
    std::optional<LookupAnswer> answer(const QString &key);
    // Whether the dictionary holds key itself (not a base form or parts of it).
    bool holds(const QString &key);
    // The same for a key of more than one word, looked up only where the dictionary has keys that
    // begin as it does.
    bool holdsPhrase(const QString &key);
    qsizetype addToken(const QString &token);
    void readStretch(qsizetype n);
    void joinSeparatedVerb(qsizetype begin, qsizetype end);
    QString separatedVerb(const QString &verb, const QString &last);
    QString baseOf(const QString &word);
    QString adjectiveOf(const QString &word);
    void fitSense(LookupAnswer &answer, qsizetype n);

    Dictionary &m_dictionary;
    TextDirection m_direction;
    // The text's words and edge marks, lower-cased, and whether each was written with a capital.
    QStringList m_tokens;
    QList<bool> m_capitals;
    // Per word given: the token of its letters.
    QList<qsizetype> m_tokenOf;
    // Per token: the key its answer is looked up by; null until its stretch is read.
    QStringList m_keys;
    // Per token: the token whose key it shares as one phrase or separated verb (itself when alone).
    QList<qsizetype> m_firstOfKey;
    // A text repeats its words and the dictionary answers a key the same way each time.
    QHash<QString, std::optional<LookupAnswer>> m_answers;
};

} // namespace ortelia
