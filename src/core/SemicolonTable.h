#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace ortelia {

// The tables we keep by hand: one row a line, fields separated by ";", blank lines and lines
// starting with "#" skipped.
namespace SemicolonTable {

using Row = QStringList;
using RowCheck = std::function<bool(const Row &)>;

// The rows, each field with its white space simplified; nullopt when a row fails isGood, with
// error naming the file and line and the layout expected ("Form;Grundform").
std::optional<QList<Row>> parse(const QStringList &lines, const QString &name, const QString &layout,
                                const RowCheck &isGood, QString &error);
// As parse, for a file (a regular file of at most kMaxDictionaryBytes); nullopt with error naming
// it when it cannot be read.
std::optional<QList<Row>> read(const QString &path, const QString &layout, const RowCheck &isGood,
                               QString &error);

// A word or a few of letters: 1 to 40 characters, besides letters only those in marks.
bool isWordOf(const QString &text, QStringView marks);

} // namespace SemicolonTable
} // namespace ortelia
