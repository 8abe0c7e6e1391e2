#include "SemicolonTable.h"

#include "TextFile.h"

namespace ortelia::SemicolonTable {

std::optional<QList<Row>> parse(const QStringList &lines, const QString &name, const QString &layout,
                                const RowCheck &isGood, QString &error)
{
    QList<Row> rows;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        Row fields = line.split(QLatin1Char(';'));
        for (QString &field : fields)
            field = field.simplified();
        if (!isGood(fields)) {
            error = QStringLiteral("%1, Zeile %2: \"%3\" erwartet, gelesen: %4")
                        .arg(name)
                        .arg(i + 1)
                        .arg(layout, line.left(80));
            return std::nullopt;
        }
        rows.append(fields);
    }
    return rows;
}

std::optional<QList<Row>> read(const QString &path, const QString &layout, const RowCheck &isGood,
                               QString &error)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines) {
        error = QStringLiteral("%1 kann nicht gelesen werden.").arg(path);
        return std::nullopt;
    }
    return parse(*lines, path, layout, isGood, error);
}

bool isWordOf(const QString &text, QStringView marks)
{
    if (text.isEmpty() || text.size() > 40)
        return false;
    for (QChar c : text) {
        if (!c.isLetter() && !marks.contains(c))
            return false;
    }
    return true;
}

} // namespace ortelia::SemicolonTable
