#pragma once

#include "TextRoutines.h"

#include <QObject>
#include <QStringList>

class QLabel;

namespace ortelia {

// The line where the answer would stand when the dictionary has none: what NotFoundMessage says,
// with the suggestions as links. A click on one, or Enter in the line (on the suggestion Tab
// selected there, else on the first), asks for that word to be looked up in the direction asked.
class SuggestionLine : public QObject {
    Q_OBJECT
public:
    explicit SuggestionLine(QLabel *label);

    // Shows the message on word and its suggestions; the message as it is said.
    QString show(const QString &word, const QStringList &suggestions, TextDirection direction);
    void hide();

signals:
    void lookUpWanted(const QString &word, TextDirection direction);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
    QStringList m_suggestions;
    TextDirection m_direction = TextDirection::German;
};

} // namespace ortelia
