#include "KeepOnScreen.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ortelia {

KeepOnScreen::KeepOnScreen(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool KeepOnScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip)
            fitOnScreen(widget);
    }
    return false;
}

void fitOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    QPoint to = frame.topLeft();
    to.setX(std::max(std::min(to.x(), area.right() + 1 - frame.width()), area.left()));
    to.setY(std::max(std::min(to.y(), area.bottom() + 1 - frame.height()), area.top()));
    if (to != frame.topLeft())
        window->move(to);
}

} // namespace ortelia
