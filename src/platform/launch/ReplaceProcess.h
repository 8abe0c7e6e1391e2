#pragma once

#include <string>

namespace ortelia {

// The folder of the running executable (without Qt: asked before any application object exists).
std::string executableFolder(const char *argv0);

// Replaces the running process by the program at path, with the same arguments (argv[0]
// included) and environment. Returns only when that fails, with the reason on standard error.
int replaceProcess(const std::string &path, char **argv);

} // namespace ortelia
