#include "SuggestionLine.h"

#include "NotFoundMessage.h"

#include <QKeyEvent>
#include <QLabel>

namespace ortelia {

SuggestionLine::SuggestionLine(QLabel *label) : QObject(label), m_label(label)
{
    connect(label, &QLabel::linkActivated, this, [this](const QString &link) {
        bool number = false;
        const qsizetype index = link.toInt(&number);
        if (number && index >= 0 && index < m_suggestions.size())
            emit lookUpWanted(m_suggestions[index], m_direction);
    });
    label->installEventFilter(this);
}

QString SuggestionLine::show(const QString &word, const QStringList &suggestions, TextDirection direction)
{
    m_suggestions = suggestions;
    m_direction = direction;
    const NotFoundMessage message(word, suggestions);
    m_label->setText(message.linked());
    m_label->show();
    m_label->raise();
    return message.text();
}

void SuggestionLine::hide()
{
    m_label->hide();
    m_label->clear();
    m_suggestions.clear();
}

bool SuggestionLine::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // Tab into the line selects no link yet: Enter then takes the first; each further Tab the next.
    const QString selected = m_label->selectedText();
    if (m_suggestions.contains(selected))
        emit lookUpWanted(selected, m_direction);
    else if (!m_suggestions.isEmpty())
        emit lookUpWanted(m_suggestions.first(), m_direction);
    return true;
}

} // namespace ortelia
