#pragma once

#include <QString>
#include <QStringList>

namespace ortelia {

// What the translator says of a word its dictionary does not hold: that it is not there, the
// words it may have meant, and for a sentence that the text translator translates those.
class NotFoundMessage {
public:
    NotFoundMessage(const QString &word, const QStringList &suggestions);

    // "„bahnhoff“ steht nicht im Wörterbuch. Meinten Sie: bahnhof?", as it is said.
    QString text() const;
    // The same as rich text, each suggestion a link whose address is its place in the list ("0").
    QString linked() const;
    // Several words, the way a sentence is typed rather than a dictionary's phrase.
    static bool isSentence(const QString &word);

private:
    QString composed(const QString &notThere, const QStringList &suggestions, const QString &sentenceHint) const;

    QString m_word;
    QStringList m_suggestions;
};

} // namespace ortelia
