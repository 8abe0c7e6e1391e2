#pragma once

#include <QString>

#include <vector>

namespace ortelia {

// What the program knows by name about a dictionary file of TranslateDeGb.
struct CatalogueEntry {
    QString fileName;        // "DeEn.txt"
    QString chooserCaption;  // the chooser window's caption
    QString listLabel;       // the list translator's label
    QString page;            // built-in lookup page ("T2"), empty for other files
    QString languageName;    // foreign language name, as answered by the "??" entry
    QString formsLanguage;   // the foreign language's code for its base forms ("fr_FR"), if any
};

// The dictionaries the program knows by name, in the catalogue's order.
const std::vector<CatalogueEntry> &knownDictionaries();
// The entry of a file name (case-insensitive, with or without ".txt"); any other file gets the
// captions of a user's own dictionary.
CatalogueEntry catalogueEntry(const QString &fileName);

} // namespace ortelia
