#pragma once

#include "Glossary.h"

#include <QDir>
#include <QStringList>

namespace ortelia {

using FreedictImportResult = GlossaryResult;

// Imports a FreeDict German-X dictd database (index + dictzip data) into a dictionary file (see
// Glossary::write); every translation ranked by the evidence of the database alone.
FreedictImportResult importFreedict(const QString &indexPath, const QString &dictPath, const QString &outPath,
                                    const QString &languageName, int maxKeys = kMaxImportedKeys);

// "ortelia import-freedict INDEX DICT.DZ ZIEL.txt [SPRACHE]": exit code 0, 1 (import failed) or 2 (usage).
int runImportFreedictCommand(const QStringList &args, const QDir &startDir);

} // namespace ortelia
