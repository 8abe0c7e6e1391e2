#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ortelia::web {

// Interrupts page code that runs too long, from a thread of its own (a script stuck in a loop
// never returns to the event loop). Each entry into page code has kLimit of its own time: while
// other page code or marked native work runs inside it, its clock stands still.
class ScriptWatchdog {
public:
    static constexpr std::chrono::milliseconds kLimit{2000};

    // Page code runs while this lives (main thread only); interrupt stops it (called from the
    // watchdog's thread). The watchdog knows no script engine, so that the data objects, which
    // mark their work as native, run without one.
    class Running {
    public:
        explicit Running(std::function<void()> interrupt);
        ~Running();
        Running(const Running &) = delete;
        Running &operator=(const Running &) = delete;
        // True once the watchdog has interrupted this run.
        bool interrupted() const;

    private:
        std::size_t m_depth;
    };

    // Native work called by page code that may take long and is no fault of the page (a
    // dictionary read on its first use): it does not count against the page's time.
    class NativeWork {
    public:
        NativeWork();
        ~NativeWork();
        NativeWork(const NativeWork &) = delete;
        NativeWork &operator=(const NativeWork &) = delete;
    };

    ~ScriptWatchdog();

private:
    using Clock = std::chrono::steady_clock;
    struct Entry {
        std::function<void()> interrupt; // empty for native work
        Clock::duration used{};
        bool fired = false;
    };

    static ScriptWatchdog &instance();
    ScriptWatchdog();
    std::size_t push(std::function<void()> interrupt);
    void pop();
    bool fired(std::size_t depth);
    void watch();

    std::mutex m_mutex;
    std::condition_variable m_changed; // only for m_quit
    std::vector<Entry> m_stack;
    Clock::time_point m_topSince;
    bool m_quit = false;
    std::thread m_thread;
};

} // namespace ortelia::web
