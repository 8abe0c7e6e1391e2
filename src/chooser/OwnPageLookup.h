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
// pagePath is whole and resolved, as the command line gives it. refusal, when given, is set to
// the German message on a dictionary that was refused unread (no regular file, too large), else
// emptied.
std::optional<LookupAnswer> lookUpOnOwnPage(const QString &pagePath, const QString &word,
                                            TextDirection direction, QString *refusal = nullptr);

} // namespace ortelia
