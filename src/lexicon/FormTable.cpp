#include "FormTable.h"

#include "TextFile.h"

namespace ortelia {

namespace {

bool isWord(const QString &text)
{
    if (text.isEmpty() || text.size() > 40)
        return false;
    for (QChar c : text) {
        if (!c.isLetter() && c != QLatin1Char('-') && c != QLatin1Char('\''))
            return false;
    }
    return true;
}

} // namespace

std::optional<FormTable> FormTable::read(const QString &path, QString &error)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines) {
        error = QStringLiteral("%1 kann nicht gelesen werden.").arg(path);
        return std::nullopt;
    }
    return parse(*lines, path, error);
}

std::optional<FormTable> FormTable::parse(const QStringList &lines, const QString &name, QString &error)
{
    FormTable table;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(';'));
        if (fields.size() != 2 || !isWord(fields[0].trimmed()) || !isWord(fields[1].trimmed())) {
            error = QStringLiteral("%1, Zeile %2: \"Form;Grundform\" erwartet, gelesen: %3")
                        .arg(name)
                        .arg(i + 1)
                        .arg(line.left(80));
            return std::nullopt;
        }
        table.m_bases.insert(fields[0].trimmed().toLower(), fields[1].trimmed().toLower());
    }
    return table;
}

} // namespace ortelia
