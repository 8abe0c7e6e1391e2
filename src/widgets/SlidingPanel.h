#pragma once

class QWidget;

namespace ortelia {

// Moves a panel that slides in and out of its window to the given top and puts it in front. A
// panel moved where its window does not show it is hidden as well, so that neither Tab nor a
// screen reader finds its controls out of sight; moved back into view, it shows again.
void slidePanel(QWidget *panel, int top);

} // namespace ortelia
