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

// "usw.", "u. s. w.": the dots typed or not, the dictionary pages find the key without them.
QString compactAbbreviation(const QString &key)
{
    static const QRegularExpression abbreviation(QStringLiteral("^(?:\\p{L}+\\.[\\s\\x{202F}]*)+$"));
    static const QRegularExpression dotsAndBlanks(QStringLiteral("[.\\s\\x{202F}]"));
    if (!abbreviation.match(key).hasMatch())
        return QString();
    const QString compact = QString(key).remove(dotsAndBlanks);
    // Shorter ones ("a.") are words of their own.
    return compact.size() >= 3 ? compact : QString();
}

// Calls f with the key and, for an abbreviation, its compact form too.
template <typename F> void withCompactForm(const QString &key, const Candidate &c, F f)
{
    f(key, c);
    const QString compact = compactAbbreviation(key);
    if (!compact.isEmpty())
        f(compact, c);
}

// Calls f with each German key and one of its translations, in the source's order.
template <typename F> void forEachGerman(const QStringList &entries, Evidence *evidence, F f)
{
    for (const QString &text : entries) {
        const Entry entry = parse(text, evidence);
        if (entry.senses.empty())
            continue;
        bool prefixForm = false;
        const QString key = EntryText::keyOf(entry.headline, prefixForm);
        if (evidence)
            evidence->addLine(EntryText::words(key), EntryText::words(entry.senses.front().items.join(' ')));
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
                withCompactForm(key, c, f);
            }
        }
    }
}

// The same for an X-German dictionary turned round: each German translation is a key of the
// foreign headword.
template <typename F> void forEachInverted(const QStringList &entries, F f)
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
                withCompactForm(sense.items[i].toLower(), c, f);
            }
        }
    }
}

void addTranslation(QHash<QString, QStringList> &table, const QString &key, const QString &translation)
{
    QStringList &known = table[key];
    if (!known.contains(translation))
        known << translation;
}

} // namespace

void addGerman(Glossary &glossary, const QStringList &entries)
{
    forEachGerman(entries, &glossary.evidence(),
                  [&glossary](const QString &key, const Candidate &c) { glossary.add(key, c); });
}

void addInverted(Glossary &glossary, const QStringList &entries)
{
    forEachInverted(entries, [&glossary](const QString &key, const Candidate &c) { glossary.add(key, c); });
}

void addGermanTranslations(QHash<QString, QStringList> &table, const QStringList &entries, bool inverted)
{
    const auto add = [&table](const QString &key, const Candidate &c) { addTranslation(table, key, c.text); };
    if (inverted)
        forEachInverted(entries, add);
    else
        forEachGerman(entries, nullptr, add);
}

void addForeignToEnglish(QHash<QString, QList<RankedWord>> &table, const QStringList &entries)
{
    for (const QString &text : entries) {
        const Entry entry = parse(text, nullptr);
        const QString english = headwordText(entry.headline);
        if (english.isEmpty())
            continue;
        int rank = 0;
        for (const Sense &sense : entry.senses) {
            for (const QString &foreign : sense.items)
                table[foreign.toLower()].append({english, rank++});
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
            for (const QString &english : sense.items)
                addTranslation(table, english.toLower(), headword);
        }
    }
}

} // namespace ortelia::FreedictSource
