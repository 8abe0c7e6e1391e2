#include "ChooserCommands.h"
#include "Commands.h"
#include "ProgramsBeside.h"
#include "TranslateCommand.h"

// The module "ortelia-pages": the commands that run a dictionary page headless, without eSpeak NG.
ORTELIA_MODULE_ENTRY(int argc, char **argv)
{
    static const ortelia::Command commands[] = {
        {"lookup", ortelia::runLookupCommand},
        {"translate", ortelia::runTranslateCommand},
    };
    return ortelia::runCommandProgram(argc, argv, commands);
}
