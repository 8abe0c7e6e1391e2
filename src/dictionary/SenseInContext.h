#pragma once

#include "TextRoutines.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace ortelia {

// Which of a word's senses its neighbours in a text ask for: a verb after "zu" or at the end of a
// clause with a modal verb, a noun after an article, an adjective between an article or a
// preposition and a noun ("nach dem langen Streit": long, not the verb langen); in English a verb after a pronoun, "to", a
// modal verb, or a form of "be" before an "-ing" form. With the German words that shape a text's
// clauses, which the text translation reads them by too.
namespace SenseInContext {

enum class Fit { Any, Verb, Noun, Adjective };

// Punctuation (and the empty word before a leading blank) is no word: it ends a stretch of words.
bool isWord(const QString &word);
// A coordinating conjunction begins a new clause within a stretch: "ich stehe auf und gehe".
bool beginsClause(const QString &word);
bool isDefiniteArticle(QStringView word);
bool isArticle(QStringView word);

// words: lower-cased, punctuation a word of its own; capitals: per word, whether the text wrote it
// with a capital, which tells a German noun.
Fit fitAt(const QStringList &words, const QList<bool> &capitals, qsizetype n, TextDirection direction);

// A key's first translation as a verb and as a noun where they differ ("essen": eat, food).
struct VerbAndNoun {
    QString verb;
    QString noun;
};
// The table of a dictionary's parts of speech (wordClassesName), empty when there is none.
QHash<QString, VerbAndNoun> readWordClasses(const QString &path);

} // namespace SenseInContext
} // namespace ortelia
