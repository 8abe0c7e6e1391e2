#include "StateModels.h"

namespace ortelia {

void Flag::set(bool value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit changed(value);
}

void Level::set(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit changed(value);
}

void LanguagePair::set(const QString &first, const QString &second)
{
    if (first == m_first && second == m_second)
        return;
    m_first = first;
    m_second = second;
    emit changed();
}

void Progress::start()
{
    m_running = true;
    m_value = 0;
    emit started();
}

void Progress::set(int value)
{
    m_value = value;
    emit advanced(value);
}

void Progress::finish()
{
    if (!m_running)
        return;
    m_running = false;
    emit finished();
}

} // namespace ortelia
