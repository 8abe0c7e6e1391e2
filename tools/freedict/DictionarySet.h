#pragma once

#include <QString>

namespace ortelia {

// Builds the program's dictionaries from the system's word lists: DeEn from the Ding list
// transPath; DeFr, DeIt, DeSp, DeGr from the FreeDict German-X databases in dictdDir, grown by
// the X-German ones turned round and, for words still missing, through English where English-X
// has exactly one entry for the German word's first English translation ("(über Englisch)");
// Deutsch-Arabisch.txt the same way through eng-ara and ara-eng. Keys that are forms of the form
// table (formsPath) are left out where their base form is a key. Our table of function words
// (functionWordsPath) gives those keys their first translation in every pair but Arabic. Returns ""
// or the first error.
QString importDictionarySet(const QString &dictdDir, const QString &transPath, const QString &formsPath,
                            const QString &functionWordsPath, const QString &outDir);

} // namespace ortelia
