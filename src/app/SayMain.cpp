#include "Commands.h"
#include "SayCommand.h"

#include <cstdlib>

// "ortelia-say": speech into a file on QtCore and eSpeak NG alone; speech to be heard goes to the
// window program, which has the sound card.
int main(int argc, char **argv)
{
    static const ortelia::Command commands[] = {{"say", ortelia::runSay, ortelia::sayNeedsSoundCard}};
    ortelia::CommandCall call(argc, argv);
    // The file and the output are out and checked: the speech engine is left to the system.
    std::_Exit(call.run(commands));
}
