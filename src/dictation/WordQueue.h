#pragma once

#include <QString>
#include <QStringList>

namespace ortelia {

// The dictation interpreter's queue: the words of each dictated phrase in order, each phrase
// closed by an empty end marker. The walk takes one item at a time: the current item is the one
// being handed over; a step drops it and makes the next one current.
class WordQueue {
public:
    // Splits a phrase at blanks and appends its words and the end marker. Line breaks and tabs
    // count as blanks; words without a letter or digit have nothing to translate and are left out.
    // A phrase of more than 1,501 words shows the splitter's message and adds nothing. True when
    // words were added.
    bool addPhrase(const QString &phrase);

    // Drops the current item and makes the next one current (the first when none is current).
    // False when nothing is left.
    bool step();
    // Drops the end marker that is current: the phrase is done, nothing is current until the
    // next step.
    void finishPhrase();
    void clear();

    bool hasCurrent() const { return m_hasCurrent; }
    // The current word; empty for an end marker and when nothing is current.
    QString current() const;
    const QStringList &items() const { return m_items; }
    bool isEmpty() const { return m_items.isEmpty(); }

private:
    QStringList m_items;
    bool m_hasCurrent = false;
};

} // namespace ortelia
