#pragma once

#include <QPushButton>

namespace ortelia {

// A key of the keyboard picture: a flat button over the key cap, so that Tab reaches it, Space
// presses it and a screen reader names it; the right mouse button gives the key's second
// character.
class KeyButton : public QPushButton {
    Q_OBJECT
public:
    explicit KeyButton(QWidget *parent = nullptr);

signals:
    void rightClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace ortelia
