#include "FunctionWords.h"

#include "SemicolonTable.h"

#include <algorithm>

namespace ortelia {

namespace {

const QString kLayout = QStringLiteral("Deutsch;Englisch;Französisch;Spanisch;Italienisch;Griechisch");

// A word, or a phrase of words joined by single blanks ("zu hause").
bool isGermanWord(const QString &text)
{
    return SemicolonTable::isWordOf(text, u" ") && text == text.simplified() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLower() || c == u' '; });
}

// A translation is a word or a few, never markup or the dictionary's separators; empty leaves
// the language to the other sources.
bool isTranslation(const QString &text)
{
    return text.isEmpty() || SemicolonTable::isWordOf(text, u" '-");
}

bool isGoodRow(const SemicolonTable::Row &fields)
{
    return fields.size() == FunctionWords::LanguageCount + 1 && isGermanWord(fields[0]) &&
           std::all_of(fields.begin() + 1, fields.end(), isTranslation);
}

std::optional<FunctionWords> fromRows(std::optional<QList<SemicolonTable::Row>> rows)
{
    if (!rows)
        return std::nullopt;
    return FunctionWords(std::move(*rows));
}

} // namespace

std::optional<FunctionWords> FunctionWords::read(const QString &path, QString &error)
{
    return fromRows(SemicolonTable::read(path, kLayout, isGoodRow, error));
}

std::optional<FunctionWords> FunctionWords::parse(const QStringList &lines, const QString &name,
                                                  QString &error)
{
    return fromRows(SemicolonTable::parse(lines, name, kLayout, isGoodRow, error));
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
