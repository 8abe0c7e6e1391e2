#include "Commands.h"
#include "SayCommand.h"

// "ortelia-say": speech into a file on QtCore and eSpeak NG alone; speech to be heard goes to the
// window program, which has the sound card.
int main(int argc, char **argv)
{
    static const ortelia::Command commands[] = {{"say", ortelia::runSay, ortelia::sayNeedsSoundCard}};
    return ortelia::runCommandProgram(argc, argv, commands);
}
