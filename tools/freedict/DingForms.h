#pragma once

#include "FormList.h"
#include "Glossary.h"

#include <QList>
#include <QString>

namespace ortelia::DingForms {

// A headword of a Ding entry as its forms are read: its key and part of speech.
struct Head {
    QString key;
    WordClass wordClass = WordClass::Other;
};

// The forms a Ding entry lists in the pieces after its headwords, each piece's items in the order
// of the headwords: a verb's present participle, participle, present and past ("er/sie tötet",
// "ich/er/sie tötete", "er/sie hat/hatte getötet": tötet, tötete, getötet; a separable "er/sie
// bringt um" both bringt and "bringt um"), an adjective's comparison ("besser | am besten"), a noun's
// plural ("Häuser {pl}"). The English side gives the irregular ones of its headwords ("to fight
// {fought; fought}", "child | children", "good | better | best"); the regular endings are left to
// the rules of the lookup.
void add(const QStringList &germanPieces, const QStringList &englishPieces, const QList<Head> &heads,
         FormList &german, FormList &english);

} // namespace ortelia::DingForms
