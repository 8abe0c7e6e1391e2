#include "WindowOrder.h"

#include <QWidget>
#include <QWindow>

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
        const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, topmost);
        if (QWindow *native = window->windowHandle()) {
            // Told to the window system in place: a window made anew loses its frame's place and
            // came back a title bar higher.
            window->overrideWindowFlags(flags);
            native->setFlags(flags);
        } else {
            window->setWindowFlags(flags);
        }
    }
    window->show();
    window->raise();
    window->setAttribute(Qt::WA_ShowWithoutActivating, wasWithoutActivating);
}

} // namespace ortelia
