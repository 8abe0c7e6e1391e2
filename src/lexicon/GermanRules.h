#pragma once

#include "WordKind.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace ortelia::GermanRules {

// The bases the form table gives for a form, the best first.
using TableBases = std::function<QStringList(const QString &)>;

// Base forms a German word (lower case) may stand for by its endings, the likelier first:
// participles ("gekocht" kochen), separable participles and zu-infinitives ("aufgestanden"
// aufstehen through the table's "gestanden;stehen", "abgeholt" abholen, "auszusprechen"
// aussprechen), verb endings ("verschwindet", "fährst" fahren), adjective endings with comparative
// and superlative ("größten" groß), noun plurals ("männer" mann, "viren" virus, "beamten" beamte).
// The word itself is never among them.
QList<BaseCandidate> candidates(const QString &word, const TableBases &table);

// The spellings to try besides the word as typed, most likely first: with umlauts and ß where
// it was typed as ae, oe, ue and ss ("schoen", "Strasse"), and the old ß after a short vowel as
// ss ("daß", "frißt").
QStringList otherSpellings(const QString &word);

// The forms a compound's first part may have before its linking element, the likelier first:
// "zitronen" zitrone, "arbeits" arbeit, "bücher" buch; the part itself first.
QStringList firstPartBases(const QString &part);

// The stem's last umlaut undone: "männ" of "männer" is "mann"; empty when it has none.
QString withoutUmlaut(const QString &stem);

} // namespace ortelia::GermanRules
