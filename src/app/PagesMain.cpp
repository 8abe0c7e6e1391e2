#include "ChooserCommands.h"
#include "Commands.h"
#include "TabularDataPages.h"
#include "TranslateCommand.h"

#include <cstdlib>

// "ortelia-pages": the commands that run a dictionary page headless, without eSpeak NG.
int main(int argc, char **argv)
{
    ortelia::registerTabularDataObject();
    static const ortelia::Command commands[] = {
        {"lookup", ortelia::runLookupCommand},
        {"translate", ortelia::runTranslateCommand},
    };
    // The output is out and checked: the script engine's caches and Qt's globals are left to the
    // system, which frees them at once.
    std::_Exit(ortelia::runCommandProgram(argc, argv, commands));
}
