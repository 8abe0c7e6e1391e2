#include "Commands.h"
#include "CommandCatalogue.h"
#include "CommandEnd.h"
#include "DesktopEntry.h"
#include "FreedictImport.h"
#include "HelpText.h"
#include "PublishUpdates.h"

#include <cstdio>
#include <cstdlib>

// "ortelia-commands": the help and the commands that neither speak nor show a page.
int main(int argc, char **argv)
{
    using namespace ortelia;
    if (argc > 1 && isHelpOption(argv[1])) {
        std::fputs(qPrintable(helpText()), stdout);
        std::_Exit(flushOutput(0));
    }
    static const Command commands[] = {
        {"import-freedict", runImportFreedictCommand},
        {"publish-updates", runPublishUpdatesCommand},
        {"install", runInstallCommand},
        {"uninstall", runUninstallCommand},
    };
    CommandCall call(argc, argv);
    // The output is out and checked: Qt's globals are left to the system.
    std::_Exit(call.run(commands));
}
