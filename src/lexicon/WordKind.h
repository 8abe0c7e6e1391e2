#pragma once

#include <QString>

namespace ortelia {

// What a base form found by rule is: a form with a verb's ending stands for a verb, a plural for
// a noun; the answer prefers a dictionary record of that kind.
enum class WordKind { Any, Verb, Noun };

struct BaseCandidate {
    QString base;
    WordKind kind = WordKind::Any;
};

// A German infinitive's shape: "kochen", "wandern", "lächeln", and the two short ones.
inline bool hasGermanVerbShape(const QString &key)
{
    return (key.size() >= 4 && key.endsWith(QLatin1String("en"))) || key.endsWith(QLatin1String("ern")) ||
           key.endsWith(QLatin1String("eln")) || key == QLatin1String("sein") || key == QLatin1String("tun");
}

} // namespace ortelia
