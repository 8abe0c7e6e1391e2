#include "KeyButton.h"

#include <QMouseEvent>

namespace ortelia {

KeyButton::KeyButton(QWidget *parent) : QPushButton(parent)
{
    setFlat(true);
    // A click leaves the focus in the text field; Tab still reaches the key.
    setFocusPolicy(Qt::TabFocus);
    // The key cap below shows through; the focus frame still marks the key Tab reached.
    setStyleSheet(QStringLiteral("QPushButton { background: transparent; border: none; }"
                                 "QPushButton:focus { border: 2px solid #0078d7; }"));
}

void KeyButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit rightClicked();
    QPushButton::mouseReleaseEvent(event);
}

} // namespace ortelia
