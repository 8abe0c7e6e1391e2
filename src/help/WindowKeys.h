#pragma once

#include <QObject>

#include <functional>
#include <map>

class QWidget;

namespace ortelia {

struct WindowServices;

// The keys every window has, seen before its controls: Esc closes the window (as its close
// button does), F1 shows the help window, F2 asks the help window to read aloud, F3 stops
// speech. A window adds its own keys; they win over the standard ones.
class WindowKeys : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void()>;

    static WindowKeys *bind(WindowServices &services, QWidget *window, Action close,
                            std::map<int, Action> more = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowKeys(QWidget *window, std::map<int, Action> actions);

    QWidget *m_window;
    std::map<int, Action> m_actions;
};

} // namespace ortelia
