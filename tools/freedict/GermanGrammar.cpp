#include "GermanGrammar.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace ortelia {

namespace {

// The reader's bound on a line (FormTable) less room for the line end.
constexpr qsizetype kMaxLineBytes = 250;
// Longer pronunciations are descriptions, not a word's sound.
constexpr qsizetype kMaxPronunciation = 60;

// "das Haus" of "das Haus, die Häuser", "essen, aß, gegessen" of "essen, aß, hat gegessen": the
// same word said with less, its words in the same order, the first the same.
bool isShorterOf(const QString &shorter, const QString &fuller)
{
    static const QRegularExpression gaps(QStringLiteral("[ ,]+"));
    const QStringList few = shorter.split(gaps, Qt::SkipEmptyParts);
    const QStringList many = fuller.split(gaps, Qt::SkipEmptyParts);
    if (few.isEmpty() || few.size() >= many.size() || few[0] != many[0])
        return false;
    qsizetype matched = 0;
    for (const QString &word : many) {
        if (matched < few.size() && word == few[matched])
            ++matched;
    }
    return matched == few.size();
}

bool isTableText(const QString &text)
{
    return !text.isEmpty() && !text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('\t')) &&
           !text.contains(QLatin1Char('\n'));
}

// "das Haus, die Häuser": a noun's text begins with its article.
bool isNounText(const QString &text)
{
    return text.startsWith(QLatin1String("der ")) || text.startsWith(QLatin1String("die ")) ||
           text.startsWith(QLatin1String("das "));
}

} // namespace

void GermanGrammar::addGrammar(const QString &key, const QString &text, bool marked)
{
    if (key.isEmpty() || !isTableText(key) || !isTableText(text))
        return;
    QList<Text> &texts = m_grammar[key];
    for (Text &held : texts) {
        if (held.text == text || isShorterOf(text, held.text))
            return;
        if (isShorterOf(held.text, text)) {
            held = {text, marked};
            return;
        }
    }
    texts.append({text, marked});
}

QString GermanGrammar::grammarOf(const QString &key) const
{
    QStringList texts;
    for (const Text &held : m_grammar.value(key))
        texts << held.text;
    return texts.join(kSeparator);
}

void GermanGrammar::addPronunciation(const QString &key, const QString &ipa)
{
    if (isTableText(key) && isTableText(ipa) && ipa.size() <= kMaxPronunciation &&
        !m_pronunciation.contains(key))
        m_pronunciation.insert(key, ipa);
}

void GermanGrammar::addPronunciations(const QStringList &dictdEntries)
{
    for (const QString &entry : dictdEntries) {
        const QString headLine = entry.section(QLatin1Char('\n'), 0, 0);
        const qsizetype open = headLine.indexOf(QLatin1String(" /"));
        const qsizetype close = open < 0 ? -1 : headLine.indexOf(QLatin1Char('/'), open + 2);
        const QString word = headLine.left(open).trimmed();
        if (close < 0 || word.isEmpty() || word.contains(QLatin1Char(' ')))
            continue;
        addPronunciation(word.toLower(), headLine.mid(open + 2, close - open - 2).trimmed());
    }
}

QStringList GermanGrammar::lines(const std::function<bool(const QString &key)> &nounFirst) const
{
    QSet<QString> keys(m_pronunciation.keyBegin(), m_pronunciation.keyEnd());
    for (auto it = m_grammar.keyBegin(); it != m_grammar.keyEnd(); ++it)
        keys.insert(*it);
    QStringList lines;
    for (const QString &key : keys) {
        const QString pronunciation = m_pronunciation.value(key);
        QList<Text> texts = m_grammar.value(key);
        const bool nouns = texts.size() > 1 && nounFirst(key);
        // Unmarked before marked, then nouns first or last.
        const auto rank = [nouns](const Text &held) {
            return int(held.marked) * 2 + int(isNounText(held.text) != nouns);
        };
        std::stable_sort(texts.begin(), texts.end(),
                         [&rank](const Text &a, const Text &b) { return rank(a) < rank(b); });
        QString grammar;
        for (const Text &held : texts) {
            const QString longer = grammar.isEmpty() ? held.text : grammar + kSeparator + held.text;
            if ((key + longer + pronunciation).toUtf8().size() + 2 > kMaxLineBytes)
                break;
            grammar = longer;
        }
        if ((!grammar.isEmpty() || !pronunciation.isEmpty()) &&
            (key + pronunciation).toUtf8().size() + 2 <= kMaxLineBytes)
            lines << key + QLatin1Char(';') + grammar + QLatin1Char('\t') + pronunciation;
    }
    return lines;
}

} // namespace ortelia
