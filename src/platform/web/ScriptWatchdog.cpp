#include "ScriptWatchdog.h"

#if defined(__linux__)
#include <fcntl.h>
#endif
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace ortelia::web {

namespace {

// How often the watchdog looks while page code runs: a script allocates a few hundred MB in
// this time at most.
constexpr std::chrono::milliseconds kSample{20};

// The program's resident memory in bytes; 0 where it cannot be read.
qint64 residentBytes()
{
#if defined(__linux__)
    static const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    char text[128];
    const ssize_t n = fd >= 0 ? ::pread(fd, text, sizeof text - 1, 0) : -1;
    if (n <= 0)
        return 0;
    text[n] = '\0';
    long long pages = 0;
    long long resident = 0;
    if (std::sscanf(text, "%lld %lld", &pages, &resident) != 2)
        return 0;
    return resident * ::sysconf(_SC_PAGESIZE);
#else
    return 0;
#endif
}

} // namespace

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
    m_wake.notify_all();
    m_thread.join();
}

int ScriptWatchdog::runningBelow(std::size_t from) const
{
    for (std::size_t i = from; i-- > 0;) {
        if (m_stack[i].interrupt)
            return int(i);
    }
    return -1;
}

void ScriptWatchdog::charge(Clock::time_point now)
{
    const Clock::duration spent = now - std::exchange(m_topSince, now);
    if (m_stack.empty())
        return;
    if (m_stack.back().interrupt) {
        m_stack.back().used += spent;
    } else if (const int page = runningBelow(m_stack.size()); page >= 0) {
        m_stack[std::size_t(page)].native += spent;
    }
}

// Entering page code wakes the watchdog only when it sleeps, so a lookup that enters page code
// thousands of times a second costs no more than its regular looks.
void ScriptWatchdog::push(std::function<void()> interrupt)
{
    // Read before the lock, so that the watchdog's look is never held up by it.
    const qint64 resident = m_stack.empty() && interrupt ? residentBytes() : 0;
    bool wake = false;
    {
        std::lock_guard lock(m_mutex);
        charge(Clock::now());
        if (m_stack.empty())
            m_residentAtStart = resident;
        ++m_entries;
        m_stack.push_back({std::move(interrupt)});
        if (m_pageCodeRuns)
            m_pageCodeRuns->store(true);
        wake = std::exchange(m_sleeping, false);
    }
    if (wake)
        m_wake.notify_one();
}

ScriptWatchdog::Stop ScriptWatchdog::pop()
{
    std::lock_guard lock(m_mutex);
    charge(Clock::now());
    const Stop stop = m_stack.back().stop;
    if (stop != Stop::None)
        --m_stopped;
    m_stack.pop_back();
    if (m_pageCodeRuns && m_stack.empty())
        m_pageCodeRuns->store(false);
    return stop;
}

void ScriptWatchdog::fire(Entry &entry, Stop why, Clock::time_point now)
{
    entry.stop = why;
    entry.stoppedAt = now;
    ++m_stopped;
    entry.interrupt();
}

void ScriptWatchdog::endIfIgnored(Clock::time_point now) const
{
    for (const Entry &entry : m_stack) {
        if (entry.stop == Stop::None || now - entry.stoppedAt < kGrace)
            continue;
        endProcess(entry.stop);
    }
}

void ScriptWatchdog::endProcess(Stop why)
{
    // What the program printed before is kept, unless the stuck thread holds the stream.
    if (::ftrylockfile(stdout) == 0) {
        std::fflush(stdout);
        ::funlockfile(stdout);
    }
    writeWarning(why);
    ::_exit(kEndedStatus);
}

void ScriptWatchdog::check(Clock::time_point now)
{
    charge(now);
    if (m_endProcess)
        endIfIgnored(now);
    const int page = runningBelow(m_stack.size());
    if (page < 0 || m_stack[std::size_t(page)].stop != Stop::None)
        return;
    Entry &entry = m_stack[std::size_t(page)];
    if (entry.used >= kLimit || entry.native >= kNativeLimit) {
        fire(entry, Stop::Time, now);
        return;
    }
    if (m_residentAtStart > 0 && residentBytes() - m_residentAtStart > kMemoryLimit)
        fire(entry, Stop::Memory, now);
}

void ScriptWatchdog::watch()
{
    std::unique_lock lock(m_mutex);
    quint64 seen = 0;
    while (!m_quit) {
        check(Clock::now());
        // Sleeps once nothing ran for a whole sample period.
        if (runningBelow(m_stack.size()) >= 0 || m_entries != seen) {
            seen = m_entries;
            m_wake.wait_for(lock, kSample);
        } else {
            m_sleeping = true;
            m_wake.wait(lock, [this] { return !m_sleeping || m_quit; });
        }
    }
}

const char *ScriptWatchdog::warning(Stop why)
{
    return why == Stop::Memory ? "Ein Skript der Seite brauchte zu viel Speicher und wurde abgebrochen."
                               : "Ein Skript der Seite lief länger als 2 Sekunden und wurde abgebrochen.";
}

void ScriptWatchdog::writeWarning(Stop why)
{
    const char *text = warning(why);
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
    [[maybe_unused]] const ssize_t ended = ::write(STDERR_FILENO, "\n", 1);
}

void ScriptWatchdog::endProcessOnIgnoredStop(std::atomic<bool> *pageCodeRuns)
{
    ScriptWatchdog &watchdog = instance();
    std::lock_guard lock(watchdog.m_mutex);
    watchdog.m_endProcess = true;
    watchdog.m_pageCodeRuns = pageCodeRuns;
}

bool ScriptWatchdog::stopRequested()
{
    return instance().m_stopped.load(std::memory_order_relaxed) > 0;
}

ScriptWatchdog::Running::Running(std::function<void()> interrupt)
{
    instance().push(std::move(interrupt));
}

ScriptWatchdog::Running::~Running()
{
    if (!m_ended)
        instance().pop();
}

ScriptWatchdog::Stop ScriptWatchdog::Running::end()
{
    m_ended = true;
    return instance().pop();
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
