#pragma once

#include "LookUpOnPage.h"
#include "TextRoutines.h"

#include <QMap>
#include <QString>

#include <optional>

namespace ortelia {

namespace web {
class TabularDataObject;
}

// The params of the data object when pagePath is one of the program's own dictionary pages
// (LookupPage::dataObjectParams); nullopt for every other page.
std::optional<QMap<QString, QString>> ownPageParams(const QString &pagePath);

// The word looked up on a page's data object as the page's search script does: filtered on the
// word's column and reset, the fields its form shows. A phrase the dictionary does not hold as typed
// is looked up again without its extra blanks and the mark that ends it ("guten  Morgen!"), in
// both directions, and a word without the marks at its edges ("sagt:"); the word is cleaned first
// (LookupKey::cleaned). answered, when given, is set to what was looked up last.
LookupAnswer lookUpOnDataObject(web::TabularDataObject &data, const QString &word, TextDirection direction,
                                QString *answered = nullptr);

// The German message on a dictionary the data object refused unread (no regular file, too large,
// unreadable); empty when it read its file or found none.
QString dictionaryRefusal(const web::TabularDataObject &data);

// A lookup on one of the program's own dictionary pages (LookupPage::dataObjectParams) as its
// search script makes it, without loading the page or a script engine: the page's data object,
// filtered on the word's column and reset, gives the fields its form shows (lookUpOnDataObject). nullopt for
// every other page, and for an empty word (the page then keeps the answer it showed before, which only the
// loaded page knows). pagePath is whole and resolved, as the command line gives it. refusal, when given, is
// set to the German message on a dictionary that was refused unread (no regular file, too large), else
// emptied.
std::optional<LookupAnswer> lookUpOnOwnPage(const QString &pagePath, const QString &word,
                                            TextDirection direction, QString *refusal = nullptr);

} // namespace ortelia
