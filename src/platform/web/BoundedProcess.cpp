#include "BoundedProcess.h"

#include "ScriptWatchdog.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ortelia::web {

namespace {

// The address space the process has mapped, in bytes; 0 where it cannot be read.
qint64 mappedBytes()
{
    const int fd = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    char text[128];
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (n <= 0)
        return 0;
    text[n] = '\0';
    long long pages = 0;
    if (std::sscanf(text, "%lld", &pages) != 1)
        return 0;
    return pages * ::sysconf(_SC_PAGESIZE);
}

std::atomic<bool> *g_pageCodeRuns = nullptr;
std::terminate_handler g_terminate = nullptr;

// The engine throws std::bad_alloc where the address space ends: the script is what asked.
[[noreturn]] void terminateOnRefusedMemory()
{
    if (g_pageCodeRuns && g_pageCodeRuns->load()) {
        try {
            if (const std::exception_ptr thrown = std::current_exception())
                std::rethrow_exception(thrown);
        } catch (const std::bad_alloc &) {
            ScriptWatchdog::endProcess(ScriptWatchdog::Stop::Memory);
        } catch (...) {
        }
    }
    if (g_terminate)
        g_terminate();
    std::abort();
}

} // namespace

void BoundedProcess::enter()
{
    // Shared with the child, which says in it whether page code runs.
    void *shared =
        ::mmap(nullptr, sizeof(std::atomic<bool>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        boundThisProcess(nullptr);
        return;
    }
    auto *pageCodeRuns = new (shared) std::atomic<bool>(false);
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) {
        boundThisProcess(pageCodeRuns);
        return;
    }
    if (child > 0)
        waitFor(child, *pageCodeRuns);
    // The child ends with the process the user started, however that ends.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent)
        ::_exit(ScriptWatchdog::kEndedStatus);
    boundThisProcess(pageCodeRuns);
}

void BoundedProcess::boundThisProcess(std::atomic<bool> *pageCodeRuns)
{
    if (const qint64 mapped = mappedBytes(); mapped > 0) {
        const rlimit limit{rlim_t(mapped + kAddressSpace), rlim_t(mapped + kAddressSpace)};
        ::setrlimit(RLIMIT_AS, &limit);
    }
    ScriptWatchdog::endProcessOnIgnoredStop(pageCodeRuns);
    g_pageCodeRuns = pageCodeRuns;
    g_terminate = std::set_terminate(terminateOnRefusedMemory);
}

void BoundedProcess::waitFor(int child, const std::atomic<bool> &pageCodeRuns)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            ::_exit(ScriptWatchdog::kEndedStatus);
    }
    if (WIFEXITED(status))
        ::_exit(WEXITSTATUS(status));
    const int signal = WTERMSIG(status);
    const bool refused = signal == SIGABRT || signal == SIGSEGV || signal == SIGBUS;
    if (refused && pageCodeRuns.load()) {
        ScriptWatchdog::writeWarning(ScriptWatchdog::Stop::Memory);
        ::_exit(ScriptWatchdog::kEndedStatus);
    }
    // Any other end is the program's own: this process ends the same way.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    ::_exit(128 + signal);
}

} // namespace ortelia::web
