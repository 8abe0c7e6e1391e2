#include "WindowOrder.h"

#include <QWidget>

namespace ortelia {

void SetTopMost(QWidget *window, ZOrder order)
{
    if (!window)
        return;
    const bool topmost = order == ZOrder::Topmost;
    const bool flagChanges =
        order != ZOrder::Top && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost;
    const bool wasWithoutActivating = window->testAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    if (flagChanges) {
        // Changing the flags hides the window and may let it forget its place; both come back.
        const QPoint position = window->pos();
        const QSize size = window->size();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
        window->resize(size);
        window->move(position);
    }
    window->show();
    window->raise();
    window->setAttribute(Qt::WA_ShowWithoutActivating, wasWithoutActivating);
}

} // namespace ortelia
