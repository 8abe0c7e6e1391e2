#include "CommandCatalogue.h"
#include "ReplaceProcess.h"

// "ortelia": hands the call, arguments unchanged, to a program beside it before any library of
// theirs is loaded: a command to the program that runs it, --help to the commands program, and
// everything else (no arguments, options) to the window program.
int main(int argc, char **argv)
{
    using namespace ortelia;
    const CommandEntry *command = argc > 1 ? findCommandEntry(argv[1]) : nullptr;
    const char *program = command                             ? command->program
                          : argc > 1 && isHelpOption(argv[1]) ? kCommandsProgram
                                                              : kWindowProgram;
    return replaceProcessBeside(argv[0], program, argv);
}
