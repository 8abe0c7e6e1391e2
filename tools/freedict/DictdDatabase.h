#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ortelia {

// The entries of a dictd database (index + dictzip data) in index order, each once; entries
// without a headword (the database's own description) are left out. nullopt with error when the
// files cannot be read.
std::optional<QStringList> readDictdEntries(const QString &indexPath, const QString &dictPath,
                                            QString &error);

} // namespace ortelia
