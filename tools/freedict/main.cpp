// Build-time import of a FreeDict database into the program folder (the same routine as
// "ortelia import-freedict").
#include "ChooserCommands.h"

#include <QDir>
#include <QStringList>

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return ortelia::runImportFreedictCommand(args, QDir::current());
}
