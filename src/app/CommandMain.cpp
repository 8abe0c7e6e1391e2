#include "Commands.h"
#include "CommandCatalogue.h"
#include "CommandEnd.h"
#include "DesktopEntry.h"
#include "FreedictImport.h"
#include "HelpText.h"
#include "ProgramsBeside.h"
#include "PublishUpdates.h"

#include <cstdio>

// The module "ortelia-commands": the help and the commands that neither speak nor show a page.
ORTELIA_MODULE_ENTRY(int argc, char **argv)
{
    using namespace ortelia;
    if (argc > 1 && isHelpOption(argv[1])) {
        std::fputs(qPrintable(helpText()), stdout);
        endCommandProcess(0);
    }
    static const Command commands[] = {
        {"import-freedict", runImportFreedictCommand},
        {"publish-updates", runPublishUpdatesCommand},
        {"install", runInstallCommand},
        {"uninstall", runUninstallCommand},
    };
    return runCommandProgram(argc, argv, commands);
}
