#pragma once

#include <QObject>
#include <QTimer>

namespace ortelia {

// A window timer as the window's handlers use it: enabled and an interval, ticking while it is
// enabled with an interval above 0 (an interval of 0 stops it without disabling it). Setting the
// interval of an enabled timer starts its countdown anew; enabling an enabled timer does not.
class FormTimer : public QObject {
    Q_OBJECT
public:
    FormTimer(const QString &name, int interval, bool enabled, QObject *parent);

    bool isEnabled() const { return m_enabled; }
    int interval() const { return m_interval; }
    // Ticking now: enabled with an interval above 0.
    bool isActive() const { return m_timer.isActive(); }

    void setEnabled(bool enabled);
    void setInterval(int milliseconds);
    // Disable, enable, set the interval: the countdown starts anew.
    void restart(int milliseconds);

signals:
    void timeout();

private:
    void apply();

    QTimer m_timer;
    bool m_enabled;
    int m_interval;
};

} // namespace ortelia
