#include "ChooserCommands.h"
#include "Commands.h"
#include "TranslateCommand.h"

// "ortelia-pages": the commands that run a dictionary page headless, without eSpeak NG.
int main(int argc, char **argv)
{
    static const ortelia::Command commands[] = {
        {"lookup", ortelia::runLookupCommand},
        {"translate", ortelia::runTranslateCommand},
    };
    return ortelia::runCommandProgram(argc, argv, commands);
}
