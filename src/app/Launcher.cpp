#include "CommandCatalogue.h"
#include "ProgramsBeside.h"

// "ortelia": hands the call, arguments unchanged, to the program beside it that takes it
// (programFor): a command to its command program, --help to the commands program, everything
// else (no arguments, options) to the window program. Linked statically, without the C library
// where it can be (LauncherStart.cpp), so that the dynamic loader runs once, for the program that
// does the work.
int main(int argc, char **argv)
{
    return ortelia::replaceProcessBeside(argv[0], ortelia::programFor(argc, argv), argv);
}
