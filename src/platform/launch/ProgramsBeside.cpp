#include "ProgramsBeside.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <unistd.h>

namespace ortelia {

namespace {

// The folder of the running executable, asked before any application object exists; false when
// it cannot be found or the path does not fit.
bool executableFolder(const char *argv0, char (&folder)[PATH_MAX])
{
    ssize_t length = readlink("/proc/self/exe", folder, sizeof folder - 1);
    if (length < 0) {
        if (!argv0 || !realpath(argv0, folder))
            return false;
        length = ssize_t(std::strlen(folder));
    }
    folder[length] = '\0';
    char *slash = std::strrchr(folder, '/');
    if (!slash)
        return false;
    *slash = '\0';
    return true;
}

} // namespace

int replaceProcessBeside(const char *argv0, const char *program, char **argv)
{
    char folder[PATH_MAX];
    char path[PATH_MAX];
    if (!executableFolder(argv0, folder) ||
        std::snprintf(path, sizeof path, "%s/%s", folder, program) >= int(sizeof path)) {
        std::fprintf(stderr, "Das Programm %s kann nicht gefunden werden.\n", program);
        return 127;
    }
    execv(path, argv);
    std::fprintf(stderr, "Das Programm %s kann nicht gestartet werden: %s\n", path, std::strerror(errno));
    return 127;
}

} // namespace ortelia
