#pragma once

#include <QObject>

class QWidget;

namespace ortelia {

// Every window the program shows opens wholly on the screen it starts on, as far as its size
// allows: the windows keep places written for larger screens, which left part of a window (and its
// buttons) below the screen's edge. Installed once on the application.
class KeepOnScreen : public QObject {
    Q_OBJECT
public:
    explicit KeepOnScreen(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Moves the window, not resizing it, so that its frame lies within its screen's free area; a window
// larger than the area keeps its top left corner in it.
void fitOnScreen(QWidget *window);

} // namespace ortelia
