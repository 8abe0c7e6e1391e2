#include "ReplaceProcess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace ortelia {

std::string executableFolder(const char *argv0)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0 ? argv0 : "", error);
    return self.parent_path().string();
}

int replaceProcess(const std::string &path, char **argv)
{
    execv(path.c_str(), argv);
    std::fprintf(stderr, "Das Programm %s kann nicht gestartet werden: %s\n", path.c_str(),
                 std::strerror(errno));
    return 127;
}

} // namespace ortelia
