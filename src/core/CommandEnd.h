#pragma once

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace ortelia {

// The exit status of a command whose output standard output did not take.
inline constexpr int kOutputFailedStatus = 1;

// Ends a command whose output could not be written (a full disk, /dev/full, a closed standard
// output): reporting success then would hide that what it printed is lost or cut short.
[[noreturn]] inline void endOnOutputFailure()
{
    std::fputs(errno == ENOSPC
                   ? "Achtung : Der Datenträger ist voll [Standardausgabe]! Die Ausgabe ist unvollständig.\n"
                   : "Achtung : Die Standardausgabe kann nicht geschrieben werden!\n",
               stderr);
    std::fflush(stderr);
    std::_Exit(kOutputFailedStatus);
}

// Ends a command's process with status once its work is out: writes out standard output and
// standard error and stops at once. Taking down what the command built (a page's script engine,
// the speech engine, Qt's globals) took a lookup a tenth of its time, and the system frees it
// all anyway. Output that cannot be written ends it as endOnOutputFailure does.
[[noreturn]] inline void endCommandProcess(int status)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        endOnOutputFailure();
    std::fflush(stderr);
    std::_Exit(status);
}

} // namespace ortelia
