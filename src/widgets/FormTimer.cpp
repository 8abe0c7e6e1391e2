#include "FormTimer.h"

namespace ortelia {

FormTimer::FormTimer(const QString &name, int interval, bool enabled, QObject *parent)
    : QObject(parent), m_enabled(enabled), m_interval(interval)
{
    setObjectName(name);
    connect(&m_timer, &QTimer::timeout, this, &FormTimer::timeout);
    apply();
}

void FormTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    apply();
}

void FormTimer::setInterval(int milliseconds)
{
    m_interval = milliseconds;
    apply();
}

void FormTimer::restart(int milliseconds)
{
    setEnabled(false);
    setEnabled(true);
    setInterval(milliseconds);
}

void FormTimer::apply()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

} // namespace ortelia
