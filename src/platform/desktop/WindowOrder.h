#pragma once

class QWidget;

namespace ortelia {

enum class ZOrder {
    Topmost,    // above every ordinary window, for good
    NotTopmost, // back among the ordinary windows
    Top,        // raised to the top of the ordinary windows
};

// Changes the window's place in the stacking order without moving, resizing or activating it,
// and shows it.
void SetTopMost(QWidget *window, ZOrder order);

} // namespace ortelia
