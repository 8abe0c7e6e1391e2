#include "BoundedProcess.h"
#include "ChooserCommands.h"
#include "Commands.h"
#include "TabularDataPages.h"
#include "TranslateCommand.h"

#include <cstdlib>

// "ortelia-pages": the commands that run a dictionary page headless, without eSpeak NG. A page
// of the user's own runs scripts, so the program runs bounded as a whole.
int main(int argc, char **argv)
{
    ortelia::web::BoundedProcess::enter();
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
