#include "ProgramsBeside.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
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

// folder/name+suffix beside the running executable; false, with the reason on standard error,
// when the folder cannot be found or the path does not fit.
bool pathBeside(const char *argv0, const char *name, const char *suffix, char (&path)[PATH_MAX])
{
    char folder[PATH_MAX];
    if (executableFolder(argv0, folder) &&
        std::snprintf(path, sizeof path, "%s/%s%s", folder, name, suffix) < int(sizeof path))
        return true;
    std::fprintf(stderr, "Das Programm %s kann nicht gefunden werden.\n", name);
    return false;
}

} // namespace

int replaceProcessBeside(const char *argv0, const char *program, char **argv)
{
    char path[PATH_MAX];
    if (!pathBeside(argv0, program, "", path))
        return 127;
    execv(path, argv);
    std::fprintf(stderr, "Das Programm %s kann nicht gestartet werden: %s\n", path, std::strerror(errno));
    return 127;
}

int runModuleBeside(const char *argv0, const char *module, int argc, char **argv)
{
    char path[PATH_MAX];
    if (!pathBeside(argv0, module, ".so", path))
        return 127;
    void *handle = dlopen(path, RTLD_LAZY | RTLD_LOCAL);
    void *entry = handle ? dlsym(handle, kModuleEntry) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "Das Programm %s kann nicht geladen werden: %s\n", path, dlerror());
        return 127;
    }
    return reinterpret_cast<int (*)(int, char **)>(entry)(argc, argv);
}

} // namespace ortelia
