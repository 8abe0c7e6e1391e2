#include "ClickLabel.h"

#include <QEvent>
#include <QMouseEvent>

namespace ortelia {

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    // Its own buddy: the "&" of the caption makes an Alt key that clicks the label.
    setBuddy(this);
}

bool ClickLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        emit clicked();
        return true;
    }
    return QLabel::event(event);
}

void ClickLabel::click()
{
    emit clicked();
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit pressed();
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // Text selected with the mouse is no click.
    if (rect().contains(event->position().toPoint()) && !hasSelectedText()) {
        if (event->button() == Qt::LeftButton)
            emit clicked();
        else if (event->button() == Qt::RightButton)
            emit rightClicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace ortelia
