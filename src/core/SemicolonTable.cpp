#include "SemicolonTable.h"

#include "DictionaryFormat.h"
#include "FileRead.h"
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
    // A table is no larger than a dictionary; a FIFO or a device is not waited for.
    const std::optional<QByteArray> bytes = FileRead::regularFile(path, kMaxDictionaryBytes);
    if (!bytes) {
        error = QStringLiteral("%1 kann nicht gelesen werden.").arg(path);
        return std::nullopt;
    }
    return parse(TextFile::splitLines(TextFile::decode(*bytes)), path, layout, isGood, error);
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
