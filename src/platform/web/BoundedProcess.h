#pragma once

#include <QtGlobal>

#include <atomic>

namespace ortelia::web {

// Bounds a program that runs page scripts as a whole, so that no routine of the script engine
// escapes the bounds: the program goes on in a child process whose address space is limited and
// whose page code, when it ignores a stop, ends it (ScriptWatchdog::endProcessOnIgnoredStop). The
// process it was started as waits for the child and ends as the child ends. Page code refused
// memory beyond the limit ends the child with the memory warning and ScriptWatchdog::kEndedStatus:
// the child itself does so for an allocation that throws, the waiting process for a child ended
// by an abort or a fault while page code runs.
class BoundedProcess {
public:
    // Address space the child may map beyond what the program had mapped when it was bounded:
    // the memory ceiling of page code (ScriptWatchdog::kMemoryLimit), and room for the engine's
    // reservations and the program's own work (translating a text of 16 MB takes about 160 MB).
    static constexpr qint64 kAddressSpace = qint64(768) * 1024 * 1024;

    // Call first in main(), while the program has one thread. Returns in the bounded child, or in
    // this process bounded itself where no child can be made; the waiting process never returns.
    static void enter();

private:
    static void boundThisProcess(std::atomic<bool> *pageCodeRuns);
    [[noreturn]] static void waitFor(int child, const std::atomic<bool> &pageCodeRuns);
};

} // namespace ortelia::web
