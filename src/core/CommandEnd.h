#pragma once

#include <cerrno>
#include <cstdio>

#include <stdio_ext.h>

namespace ortelia {

// The exit status of a command whose output standard output did not take.
inline constexpr int kOutputFailedStatus = 1;

// What a command returns when the call is another program's (Commands.h, Command::handOnTo): its
// program hands the call on unchanged. No exit status is negative.
inline constexpr int kHandOn = -1;

// Says on standard error that standard output did not take the command's output (error: errno of
// the failed write): reporting success then would hide that what it printed is lost or cut short.
// What is left in the buffer is dropped, so that the failure is said once.
inline void sayOutputFailed(int error)
{
    std::fputs(error == ENOSPC
                   ? "Achtung : Der Datenträger ist voll [Standardausgabe]! Die Ausgabe ist unvollständig.\n"
                   : "Achtung : Die Standardausgabe kann nicht geschrieben werden!\n",
               stderr);
    __fpurge(stdout);
    std::clearerr(stdout);
}

// status once standard output has taken everything the command printed; kOutputFailedStatus,
// after saying so, when it does not.
inline int flushOutput(int status)
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    sayOutputFailed(errno);
    return kOutputFailedStatus;
}

} // namespace ortelia
