#include "NotFoundMessage.h"

#include "SpellingSuggestions.h"

namespace ortelia {

namespace {

const QString kSentenceHint = QStringLiteral("Ganze Sätze übersetzt der Text-Übersetzer.");

QString notThere(const QString &word)
{
    return QStringLiteral("„%1“ steht nicht im Wörterbuch.").arg(word);
}

} // namespace

NotFoundMessage::NotFoundMessage(const QString &word, const QStringList &suggestions)
    : m_word(word.simplified()), m_suggestions(suggestions)
{
}

bool NotFoundMessage::isSentence(const QString &word)
{
    const QString words = word.simplified();
    const qsizetype blanks = words.count(QLatin1Char(' '));
    // Three words, or two that end as a sentence does: the dictionaries' phrases are short.
    return blanks >= 2 || (blanks == 1 && (words.endsWith(u'.') || words.endsWith(u'!') || words.endsWith(u'?')));
}

QString NotFoundMessage::text() const
{
    return composed(notThere(m_word), m_suggestions, kSentenceHint);
}

QString NotFoundMessage::linked() const
{
    QStringList links;
    for (qsizetype i = 0; i < m_suggestions.size(); ++i)
        links << QStringLiteral("<a href=\"%1\">%2</a>").arg(i).arg(m_suggestions[i].toHtmlEscaped());
    return composed(notThere(m_word).toHtmlEscaped(), links, kSentenceHint.toHtmlEscaped());
}

QString NotFoundMessage::composed(const QString &notThere, const QStringList &suggestions,
                                  const QString &sentenceHint) const
{
    QString text = notThere;
    if (const QString question = SpellingSuggestions::question(suggestions); !question.isEmpty())
        text += QLatin1Char(' ') + question;
    if (isSentence(m_word))
        text += QLatin1Char(' ') + sentenceHint;
    return text;
}

} // namespace ortelia
