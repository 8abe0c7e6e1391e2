#include "Commands.h"
#include "HelpText.h"
#include "ReplaceProcess.h"

#include <cstdio>
#include <cstring>

// "ortelia-commands": runs the commands on QtCore alone and hands everything else, arguments
// unchanged, to the window program beside it.
int main(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(qPrintable(ortelia::helpText()), stdout);
        return 0;
    }
    if (ortelia::runsWithoutWindowProgram(argc, argv))
        return ortelia::runCommand(*ortelia::findCommand(QString::fromLocal8Bit(argv[1])), argc, argv);
    return ortelia::replaceProcess(ortelia::executableFolder(argv[0]) + "/ortelia-windows", argv);
}
