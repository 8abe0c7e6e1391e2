#pragma once

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ortelia::web {

// Stops page code that runs too long or makes the program grow too much, from a thread of its
// own (a script stuck in a loop never returns to the event loop). Each entry into page code has
// kLimit of its own time; native work it calls (marked as such) has a clock and a budget of its
// own, and looks at stopRequested() in its long loops. While page code runs, the watchdog samples
// the program's resident memory and stops the run that grows it by more than kMemoryLimit.
// Many of the engine's own routines never look at the interrupt: in a process that runs page work
// alone, page code that has not stopped kGrace after being stopped ends the process instead
// (endProcessOnIgnoredStop).
class ScriptWatchdog {
public:
    static constexpr std::chrono::milliseconds kLimit{2000};
    // Ample for reading and indexing the largest data file on its first use.
    static constexpr std::chrono::milliseconds kNativeLimit{10000};
    static constexpr qint64 kMemoryLimit = qint64(512) * 1024 * 1024;
    // How long stopped page code may take to return before its process is ended.
    static constexpr std::chrono::milliseconds kGrace{250};
    // The exit status of a process ended for page code that did not stop.
    static constexpr int kEndedStatus = 1;

    enum class Stop { None, Time, Memory };

    // The German warning for a stop, one line.
    static const char *warning(Stop why);
    // Writes it as a line to standard error with write(2) alone: safe while the program is stuck.
    static void writeWarning(Stop why);

    // From now on, page code (or native work) that does not return within kGrace of its stop
    // ends the process with the warning on standard error and kEndedStatus. pageCodeRuns is kept
    // true while page code or native work runs, for a process that watches this one. Main
    // thread, before any page code.
    static void endProcessOnIgnoredStop(std::atomic<bool> *pageCodeRuns);
    // Ends the process so: output written so far, the warning, kEndedStatus. Waits for nothing
    // that a thread stuck in the engine could hold.
    [[noreturn]] static void endProcess(Stop why);

    // Page code runs while this lives (main thread only); interrupt stops it (called from the
    // watchdog's thread). The watchdog knows no script engine, so that the data objects, which
    // mark their work as native, run without one.
    class Running {
    public:
        explicit Running(std::function<void()> interrupt);
        ~Running();
        Running(const Running &) = delete;
        Running &operator=(const Running &) = delete;
        // Leaves the watch: no interrupt comes after it. Says what stopped the run, if anything.
        Stop end();

    private:
        bool m_ended = false;
    };

    // Native work called by page code (a dictionary read or searched): its time does not count
    // against the page code's kLimit but against kNativeLimit per entry into page code.
    class NativeWork {
    public:
        NativeWork();
        ~NativeWork();
        NativeWork(const NativeWork &) = delete;
        NativeWork &operator=(const NativeWork &) = delete;
    };

    // True once page code on whose behalf the current native work runs has been stopped: the
    // work should return early. Cheap enough for every turn of a loop.
    static bool stopRequested();

    ~ScriptWatchdog();

private:
    using Clock = std::chrono::steady_clock;
    struct Entry {
        std::function<void()> interrupt; // empty for native work
        Clock::duration used{};          // page code: its own time
        Clock::duration native{};        // page code: the time of native work it called
        Stop stop = Stop::None;
        Clock::time_point stoppedAt{};
    };

    static ScriptWatchdog &instance();
    ScriptWatchdog();
    void push(std::function<void()> interrupt);
    Stop pop();
    // Books the time since m_topSince to the top entry (native work to the page code below it).
    void charge(Clock::time_point now);
    int runningBelow(std::size_t from) const;
    void check(Clock::time_point now);
    void fire(Entry &entry, Stop why, Clock::time_point now);
    // Ends the process when page code on the stack ignored its stop for kGrace.
    void endIfIgnored(Clock::time_point now) const;
    void watch();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Entry> m_stack;
    Clock::time_point m_topSince;
    std::atomic<int> m_stopped{0}; // stopped entries on the stack
    quint64 m_entries = 0;         // counts all entries
    qint64 m_residentAtStart = 0;  // when the outermost page code was entered
    bool m_endProcess = false;
    std::atomic<bool> *m_pageCodeRuns = nullptr;
    bool m_sleeping = false;
    bool m_quit = false;
    std::thread m_thread;
};

} // namespace ortelia::web
