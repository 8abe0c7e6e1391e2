#include "Commands.h"
#include "ProgramsBeside.h"
#include "SayCommand.h"

// The module "ortelia-say": speech into a file on QtCore and eSpeak NG alone; speech to be heard
// goes to the window program, which has the sound card.
ORTELIA_MODULE_ENTRY(int argc, char **argv)
{
    static const ortelia::Command commands[] = {{"say", ortelia::runSay, ortelia::sayNeedsSoundCard}};
    return ortelia::runCommandProgram(argc, argv, commands);
}
