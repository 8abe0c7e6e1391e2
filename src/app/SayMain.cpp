#include "Commands.h"
#include "SayCommand.h"

#include <cstdlib>

// "ortelia-say": speech into a file on QtCore and eSpeak NG alone; speech to be heard goes to the
// window program, which has the sound card.
int main(int argc, char **argv)
{
    static const ortelia::Command commands[] = {{"say", ortelia::runSay, ortelia::sayNeedsSoundCard}};
    // The file and the output are out and checked: the speech engine and Qt's globals are left
    // to the system, which frees them at once.
    std::_Exit(ortelia::runCommandProgram(argc, argv, commands));
}
