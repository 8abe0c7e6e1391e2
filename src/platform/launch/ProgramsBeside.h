#pragma once

namespace ortelia {

// Replaces the running process by the program of that name in the running executable's folder,
// with the same arguments (argv[0] included) and environment. Returns only when that fails (127,
// with the reason on standard error). ProgramsBeside.cpp does it on the C library; for the
// launcher on x86-64 Linux, LauncherStart.cpp does it without.
int replaceProcessBeside(const char *argv0, const char *program, char **argv);

} // namespace ortelia
