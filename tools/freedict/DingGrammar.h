#pragma once

#include "GermanGrammar.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ortelia::DingGrammar {

// A headword of a Ding entry as its grammar is read: the word as written ("Haus"), its key
// ("haus"), its mark of grammar ("n", "vi", "adj"), whether it is a verb's infinitive as a noun, and
// whether its labels give it for a field or a special use only ("Gut {n} [econ.]").
struct Head {
    QString word;
    QString key;
    QString mark;
    bool verbalNoun = false;
    bool marked = false;
};

// The grammar a Ding entry gives its headwords, each piece's items in the order of the headwords:
// a noun's gender and the plural of the piece after it ("Haus {n} | Häuser {pl}": das Haus, die
// Häuser), a verb's past and perfect ("ich/er/sie ging", "er/sie ist/war gegangen": gehen, ging, ist
// gegangen), an adjective's comparison where it is not made by the endings alone ("gut {adj} |
// besser | am besten").
void add(const QStringList &germanPieces, const QList<Head> &heads, GermanGrammar &grammar);

} // namespace ortelia::DingGrammar
