#pragma once

#include "LookUpOnPage.h"
#include "TextRoutines.h"

#include <QString>

#include <optional>

namespace ortelia {

// A lookup on one of the program's own dictionary pages (LookupPage::dataObjectParams) as its
// search script makes it, without loading the page or a script engine: the page's data object,
// filtered on the word's column and reset, gives the fields its form shows. nullopt for every
// other page, and for an empty word (the page then keeps the answer it showed before, which only
// the loaded page knows).
// pagePath is whole and resolved, as the command line gives it.
std::optional<LookupAnswer> lookUpOnOwnPage(const QString &pagePath, const QString &word, TextDirection direction);

} // namespace ortelia
