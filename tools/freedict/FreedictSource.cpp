#include "FreedictSource.h"

#include "EntryText.h"

#include <QRegularExpression>

namespace ortelia::FreedictSource {

namespace {

struct Sense {
    QStringList items;
    QString label;
    bool noted = false;
};

struct Entry {
    QString headline; // the headword line as written
    std::vector<Sense> senses;
    int examples = 0;
};

Entry parse(const QString &text, Evidence *evidence)
{
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\.\\s"));
    static const QRegularExpression trailingNumber(QStringLiteral("\\s+\\d+\\.\\s*$"));
    Entry entry;
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() < 2)
        return entry;
    entry.headline = lines[0];
    // Some databases leave a blank line before the first sense.
    const qsizetype first = lines.size() > 2 && lines[1].trimmed().isEmpty() ? 2 : 1;
    for (qsizetype i = first; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const bool senseLine =
            (i == first) || (!line.isEmpty() && line[0].isDigit() && numbered.match(line).hasMatch());
        const QString trimmed = line.trimmed();
        if (!senseLine) {
            if (trimmed.startsWith(QLatin1String("Note:")) && !entry.senses.empty()) {
                entry.senses.back().noted = true;
            } else if (trimmed.startsWith(QLatin1Char('"'))) {
                ++entry.examples;
                const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
                const qsizetype dash = close < 0 ? -1 : trimmed.indexOf(QLatin1String(" - "), close);
                if (evidence && dash >= 0)
                    evidence->addLine(EntryText::words(QStringView(trimmed).mid(1, close - 1)),
                                      EntryText::words(QStringView(trimmed).mid(dash + 3)));
            }
            continue;
        }
        if (trimmed.startsWith(QLatin1String("Synonym")) || trimmed.startsWith(QLatin1String("see:")) ||
            trimmed.startsWith(QLatin1String("Note:")))
            continue;
        QString content = trimmed;
        if (!content.isEmpty() && content[0].isDigit())
            content.remove(numbered);
        if (content.endsWith(QLatin1Char('.')))
            content.remove(trailingNumber);
        Sense sense;
        if (content.startsWith(QLatin1Char('[')))
            sense.label = EntryText::labels(content.left(content.indexOf(QLatin1Char(']')) + 1));
        for (const QString &item : EntryText::translationItems(content)) {
            const QString clean = EntryText::cleanItem(item);
            if (!clean.isEmpty())
                sense.items << clean;
        }
        if (!sense.items.isEmpty())
            entry.senses.push_back(sense);
    }
    return entry;
}

// The headword as written, for a foreign word that becomes a translation.
QString headwordText(const QString &headline)
{
    bool prefixForm = false;
    const QString key = EntryText::keyOf(headline, prefixForm);
    const QString original = EntryText::cleanItem(headline.left(headline.indexOf(QLatin1String(" /"))));
    return original.compare(key, Qt::CaseInsensitive) == 0 ? original : key;
}

} // namespace

void addGerman(Glossary &glossary, const QStringList &entries)
{
    for (const QString &text : entries) {
        const Entry entry = parse(text, &glossary.evidence());
        if (entry.senses.empty())
            continue;
        bool prefixForm = false;
        const QString key = EntryText::keyOf(entry.headline, prefixForm);
        glossary.evidence().addLine(EntryText::words(key),
                                    EntryText::words(entry.senses.front().items.join(' ')));
        for (size_t s = 0; s < entry.senses.size(); ++s) {
            const Sense &sense = entry.senses[s];
            for (qsizetype i = 0; i < sense.items.size(); ++i) {
                Candidate c;
                c.text = sense.items[i];
                c.sense = int(s);
                c.item = int(i);
                c.label = sense.noted && sense.label.isEmpty() ? QStringLiteral("[Note]") : sense.label;
                c.examples = entry.examples;
                c.prefixForm = prefixForm;
                glossary.add(key, c);
            }
        }
    }
}

void addInverted(Glossary &glossary, const QStringList &entries)
{
    for (const QString &text : entries) {
        const Entry entry = parse(text, nullptr);
        const QString foreign = headwordText(entry.headline);
        if (foreign.isEmpty())
            continue;
        for (size_t s = 0; s < entry.senses.size(); ++s) {
            const Sense &sense = entry.senses[s];
            for (qsizetype i = 0; i < sense.items.size(); ++i) {
                Candidate c;
                c.text = foreign;
                c.sense = int(s);
                c.item = int(i);
                c.source = Source::Inverted;
                c.label = sense.label;
                glossary.add(sense.items[i].toLower(), c);
            }
        }
    }
}

void addEnglishTranslations(QHash<QString, QStringList> &table, const QStringList &entries, bool reversed)
{
    for (const QString &text : entries) {
        const Entry entry = parse(text, nullptr);
        if (entry.senses.empty())
            continue;
        const QString headword = headwordText(entry.headline);
        if (headword.isEmpty())
            continue;
        if (!reversed) {
            table[headword.toLower()] << entry.senses.front().items.first();
            continue;
        }
        for (const Sense &sense : entry.senses) {
            for (const QString &english : sense.items) {
                QStringList &known = table[english.toLower()];
                if (!known.contains(headword))
                    known << headword;
            }
        }
    }
}

} // namespace ortelia::FreedictSource
