#include "SlidingPanel.h"

#include <QWidget>

namespace ortelia {

void slidePanel(QWidget *panel, int top)
{
    panel->move(panel->x(), top);
    const QWidget *window = panel->parentWidget();
    panel->setVisible(!window || window->rect().intersects(panel->geometry()));
    panel->raise();
}

} // namespace ortelia
