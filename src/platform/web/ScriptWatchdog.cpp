#include "ScriptWatchdog.h"

namespace ortelia::web {

ScriptWatchdog &ScriptWatchdog::instance()
{
    static ScriptWatchdog watchdog;
    return watchdog;
}

ScriptWatchdog::ScriptWatchdog() : m_thread([this] { watch(); })
{
}

ScriptWatchdog::~ScriptWatchdog()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

// Entering and leaving page code wakes nobody (a lookup enters it thousands of times a second):
// the watchdog looks at least once per kLimit and then waits exactly for what is left.
std::size_t ScriptWatchdog::push(std::function<void()> interrupt)
{
    std::lock_guard lock(m_mutex);
    const Clock::time_point now = Clock::now();
    if (!m_stack.empty())
        m_stack.back().used += now - m_topSince;
    m_stack.push_back({std::move(interrupt)});
    m_topSince = now;
    return m_stack.size() - 1;
}

void ScriptWatchdog::pop()
{
    std::lock_guard lock(m_mutex);
    m_stack.pop_back();
    m_topSince = Clock::now();
}

bool ScriptWatchdog::fired(std::size_t depth)
{
    std::lock_guard lock(m_mutex);
    return depth < m_stack.size() && m_stack[depth].fired;
}

void ScriptWatchdog::watch()
{
    std::unique_lock lock(m_mutex);
    while (!m_quit) {
        Clock::duration wait = kLimit;
        if (!m_stack.empty() && m_stack.back().interrupt && !m_stack.back().fired) {
            const Clock::duration spent = m_stack.back().used + (Clock::now() - m_topSince);
            if (spent >= kLimit) {
                m_stack.back().fired = true;
                m_stack.back().interrupt();
                continue;
            }
            wait = kLimit - spent;
        }
        m_changed.wait_for(lock, wait);
    }
}

ScriptWatchdog::Running::Running(std::function<void()> interrupt)
    : m_depth(instance().push(std::move(interrupt)))
{
}

ScriptWatchdog::Running::~Running()
{
    instance().pop();
}

bool ScriptWatchdog::Running::interrupted() const
{
    return instance().fired(m_depth);
}

ScriptWatchdog::NativeWork::NativeWork()
{
    instance().push({});
}

ScriptWatchdog::NativeWork::~NativeWork()
{
    instance().pop();
}

} // namespace ortelia::web
