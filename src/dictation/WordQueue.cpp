#include "WordQueue.h"

#include "Dialogs.h"
#include "TextRoutines.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>

namespace ortelia {

namespace {

bool hasWordCharacter(const QString &word)
{
    return std::any_of(word.begin(), word.end(), [](QChar ch) { return ch.isLetterOrNumber(); });
}

} // namespace

bool WordQueue::addPhrase(const QString &phrase)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n\\t]"));
    QString text = phrase;
    text.replace(lineBreaks, QStringLiteral(" "));
    const std::optional<QStringList> words = splitWords(text, QLatin1Char(' '));
    if (!words) {
        Dialogs::message(QString(), QString::fromLatin1(kTooManyWords));
        return false;
    }
    const qsizetype before = m_items.size();
    std::copy_if(words->begin(), words->end(), std::back_inserter(m_items),
                 [](const QString &word) { return hasWordCharacter(word); });
    if (m_items.size() == before)
        return false;
    m_items.append(QString());
    return true;
}

bool WordQueue::step()
{
    if (m_hasCurrent)
        m_items.removeFirst();
    m_hasCurrent = !m_items.isEmpty();
    return m_hasCurrent;
}

void WordQueue::finishPhrase()
{
    if (m_hasCurrent && current().isEmpty())
        m_items.removeFirst();
    m_hasCurrent = false;
}

void WordQueue::clear()
{
    m_items.clear();
    m_hasCurrent = false;
}

QString WordQueue::current() const
{
    return m_hasCurrent ? m_items.first() : QString();
}

} // namespace ortelia
