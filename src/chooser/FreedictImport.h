#pragma once

#include <QString>

namespace ortelia {

// Largest number of keys an imported dictionary keeps: four sections of fewer than 32,768 lines.
inline constexpr int kMaxImportedKeys = 130000;

struct FreedictImportResult {
    QString error;  // empty on success
    int keys = 0;   // entry lines written, the "??" line included
    bool utf8 = false;
};

// Imports a FreeDict German-X dictd database (index + dictzip data) into a dictionary file:
// header line, "??;Deutsch;<languageName>", then one line per German key (lower case, without
// pronunciation, grammar marks or a trailing "!"), sorted: key;first translation;further ones.
// Three separator lines cut it into four sections of fewer than 32,768 lines; with more than
// maxKeys keys the most useful ones stay (single words and short, well-attested phrases first).
// Written as Windows-1252 (translations that it cannot hold are left out), or as UTF-8 with a
// byte-order mark when most translations are in another script (Greek).
FreedictImportResult importFreedict(const QString &indexPath, const QString &dictPath, const QString &outPath,
                                    const QString &languageName, int maxKeys = kMaxImportedKeys);

} // namespace ortelia
