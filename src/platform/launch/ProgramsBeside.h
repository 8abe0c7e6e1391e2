#pragma once

namespace ortelia {

// Replaces the running process by the program of that name in the running executable's folder,
// with the same arguments (argv[0] included) and environment. Returns only when that fails (127,
// with the reason on standard error). Plain C underneath: the launcher that uses it loads no
// library but the C library.
int replaceProcessBeside(const char *argv0, const char *program, char **argv);

} // namespace ortelia
