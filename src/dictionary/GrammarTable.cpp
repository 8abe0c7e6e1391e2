#include "GrammarTable.h"

#include "FormTable.h"
#include "ProgramFolder.h"

namespace ortelia {

QStringList WordGrammar::lines() const
{
    QStringList found;
    if (!grammar.isEmpty())
        found << QStringLiteral("Grammatik: ") + grammar;
    if (!pronunciation.isEmpty())
        found << QStringLiteral("Aussprache: /") + pronunciation + QLatin1Char('/');
    return found;
}

QString WordGrammar::line() const
{
    const QString sound =
        pronunciation.isEmpty() ? QString() : QLatin1Char('/') + pronunciation + QLatin1Char('/');
    return grammar.isEmpty() || sound.isEmpty() ? grammar + sound : grammar + QStringLiteral("   ") + sound;
}

GrammarTable::GrammarTable(const QString &path)
{
    QString error;
    if (std::optional<FormTable> table = FormTable::read(path, error))
        m_table = std::make_unique<FormTable>(std::move(*table));
}

GrammarTable::~GrammarTable() = default;
GrammarTable::GrammarTable(GrammarTable &&) noexcept = default;
GrammarTable &GrammarTable::operator=(GrammarTable &&) noexcept = default;

GrammarTable GrammarTable::ofProgram()
{
    return GrammarTable(ProgramFolder::path(kFileName));
}

WordGrammar GrammarTable::of(const QString &germanWord) const
{
    const QString key = germanWord.trimmed();
    if (!m_table || key.isEmpty() || key.contains(QLatin1Char('+')))
        return {};
    const QString line = m_table->baseOf(key);
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {};
    return {line.left(tab), line.mid(tab + 1)};
}

} // namespace ortelia
