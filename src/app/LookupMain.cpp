#include "ChooserCommands.h"
#include "Commands.h"
#include "ProgramsBeside.h"

// The module "ortelia-lookup": "lookup" on QtCore alone, for the program's own dictionary pages;
// every other page it hands to "ortelia-pages", which runs the page's script.
ORTELIA_MODULE_ENTRY(int argc, char **argv)
{
    static const ortelia::Command commands[] = {{"lookup", ortelia::runOwnPageLookupCommand}};
    return ortelia::runCommandProgram(argc, argv, commands);
}
