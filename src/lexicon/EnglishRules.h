#pragma once

#include "WordKind.h"

#include <QList>

namespace ortelia::EnglishRules {

// Base forms a regular English ending stands for (lower case), the likelier first, each with the
// kind the ending tells: -ed and -ing a verb, -s, -es, -ies and -ves a plural ("knives" knife),
// -er and -est a comparison ("heavier" heavy, "biggest" big).
QList<BaseCandidate> candidates(const QString &word);

// What an irregular form of the table is: a plural by its shape ("children", "men", "feet",
// "mice", "cacti"), a comparison ("better", "worst"), else a verb ("fought", "went").
WordKind kindOfIrregular(const QString &form, const QString &base);

} // namespace ortelia::EnglishRules
