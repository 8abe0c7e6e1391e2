#include "FormTable.h"

#include "SemicolonTable.h"

namespace ortelia {

namespace {

const QString kLayout = QStringLiteral("Form;Grundform");

bool isGoodRow(const SemicolonTable::Row &fields)
{
    return fields.size() == 2 && SemicolonTable::isWordOf(fields[0], u"-'") &&
           SemicolonTable::isWordOf(fields[1], u"-'");
}

std::optional<FormTable> fromRows(const std::optional<QList<SemicolonTable::Row>> &rows)
{
    if (!rows)
        return std::nullopt;
    FormTable table;
    for (const SemicolonTable::Row &row : *rows)
        table.add(row[0], row[1]);
    return table;
}

} // namespace

std::optional<FormTable> FormTable::read(const QString &path, QString &error)
{
    return fromRows(SemicolonTable::read(path, kLayout, isGoodRow, error));
}

std::optional<FormTable> FormTable::parse(const QStringList &lines, const QString &name, QString &error)
{
    return fromRows(SemicolonTable::parse(lines, name, kLayout, isGoodRow, error));
}

void FormTable::add(const QString &form, const QString &base)
{
    m_bases.insert(form.toLower(), base.toLower());
}

} // namespace ortelia
