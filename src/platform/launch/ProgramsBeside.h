#pragma once

namespace ortelia {

// The programs in the running executable's folder. Plain C underneath: the launcher that uses
// this loads no library but the C library before it knows which program a call needs.

// Replaces the running process by the program of that name, with the same arguments (argv[0]
// included) and environment. Returns only when that fails, with the reason on standard error.
int replaceProcessBeside(const char *argv0, const char *program, char **argv);

// Loads the module "<module>.so" into the running process and returns what its entry
// (kModuleEntry) returns for these arguments; 127, with the reason on standard error, when it
// cannot be loaded. A module saves the start of a second executable: about a millisecond.
int runModuleBeside(const char *argv0, const char *module, int argc, char **argv);

// The function every module exports; the launcher calls it with its own arguments.
inline constexpr const char *kModuleEntry = "ortelia_run";

} // namespace ortelia

#define ORTELIA_MODULE_ENTRY extern "C" __attribute__((visibility("default"))) int ortelia_run
