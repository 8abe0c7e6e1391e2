#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ToolsPanel;
}

namespace ortelia {

class FormTimer;

// The window tools of the main window: the clock, the speech volume left and right with its
// sound switch, the desktop icons and the mouse held inside the window. The panel lies under the
// window's other controls; where it has none, the mouse reaches the window as before.
class ToolsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ToolsPanel(QWidget *parent = nullptr);
    ~ToolsPanel() override;

    // Starts the clock and the volume (the window's load step).
    void start();
    void setDesktopHidden(bool hidden);
    void confineMouse(bool confine);
    // The desktop icons box comes after the control in the window's tab order.
    void placeDesktopIconsAfter(QWidget *control);
    // The sound switch: muted, both volumes are at their maximum (the wave-out scale runs the
    // other way).
    void setMuted(bool muted);

signals:
    // A text for the window's reading text, and one that is read aloud as well.
    void status(const QString &text);
    void statusToRead(const QString &text);
    // The mouse was set free by its button, which also moves the window.
    void mouseFreedByButton();
    void mutedChanged(bool muted);
    // The speech volume of the left and right channel, 0 to 1.
    void outputGainsChanged(double left, double right);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyVolume();
    void switchSound(bool muted);
    void updateClock();
    void attachHoverHelp();

    std::unique_ptr<Ui::ToolsPanel> ui;
    FormTimer *Timer3;
    FormTimer *Timer7;
};

} // namespace ortelia
