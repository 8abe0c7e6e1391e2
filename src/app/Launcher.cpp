#include "ReplaceProcess.h"

#include <cstring>

// "ortelia": hands the call, arguments unchanged, to one of the two programs beside it before
// any library of theirs is loaded. No arguments or an option start the windows; a word (and
// --help) is a command, which the commands program runs or passes on to the windows in turn.
int main(int argc, char **argv)
{
    const bool command = argc > 1 && (argv[1][0] != '-' || std::strcmp(argv[1], "--help") == 0 ||
                                      std::strcmp(argv[1], "-h") == 0);
    const char *program = command ? "/ortelia-commands" : "/ortelia-windows";
    return ortelia::replaceProcess(ortelia::executableFolder(argv[0]) + program, argv);
}
