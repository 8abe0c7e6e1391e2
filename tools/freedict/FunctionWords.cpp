#include "FunctionWords.h"

#include "TextFile.h"

#include <algorithm>

namespace ortelia {

namespace {

constexpr int kMaxField = 40;

bool isGermanWord(const QString &text)
{
    if (text.isEmpty() || text.size() > kMaxField)
        return false;
    for (QChar c : text) {
        if (!c.isLower())
            return false;
    }
    return true;
}

// A translation is a word or a few, never markup or the dictionary's separators.
bool isTranslation(const QString &text)
{
    if (text.size() > kMaxField)
        return false;
    for (QChar c : text) {
        if (!c.isLetter() && c != QLatin1Char(' ') && c != QLatin1Char('\'') && c != QLatin1Char('-'))
            return false;
    }
    return true;
}

} // namespace

std::optional<FunctionWords> FunctionWords::read(const QString &path, QString &error)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines) {
        error = QStringLiteral("%1 kann nicht gelesen werden.").arg(path);
        return std::nullopt;
    }
    return parse(*lines, path, error);
}

std::optional<FunctionWords> FunctionWords::parse(const QStringList &lines, const QString &name,
                                                  QString &error)
{
    FunctionWords table;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList fields = line.split(QLatin1Char(';'));
        for (QString &field : fields)
            field = field.simplified();
        const bool good = fields.size() == LanguageCount + 1 && isGermanWord(fields[0]) &&
                          std::all_of(fields.begin() + 1, fields.end(), isTranslation);
        if (!good) {
            error = QStringLiteral("%1, Zeile %2: \"Deutsch;Englisch;Französisch;Spanisch;Italienisch;"
                                   "Griechisch\" erwartet, gelesen: %3")
                        .arg(name)
                        .arg(i + 1)
                        .arg(line.left(80));
            return std::nullopt;
        }
        table.m_rows.push_back(fields);
    }
    return table;
}

void FunctionWords::addTo(Glossary &glossary, Language language) const
{
    for (const QStringList &row : m_rows) {
        Candidate c;
        c.text = row[language + 1];
        c.source = Source::Curated;
        glossary.add(row[0], c);
    }
}

} // namespace ortelia
