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
    ortelia::CommandCall call(argc, argv);
    // The output is out and checked: the script engine's caches and Qt's globals are left to the
    // system.
    std::_Exit(call.run(commands));
}
