#pragma once

#include <QLabel>

namespace ortelia {

// A label that acts as a button: a left click (and a double click) is reported, as the window's
// labels "E N D E", "Suchtreffer:" and the result labels are pressed like buttons; so is a right
// click, for the labels that give a second meaning to it.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

    // Runs the label's click as if the user had clicked it.
    void click();

signals:
    void pressed();
    void clicked();
    void rightClicked();
    void doubleClicked();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace ortelia

using ortelia::ClickLabel;
