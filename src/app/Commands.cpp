#include "Commands.h"

#include "ChooserCommands.h"
#include "DesktopEntry.h"
#include "FreedictImport.h"
#include "ProgramFolder.h"
#include "PublishUpdates.h"
#include "SayCommand.h"
#include "TranslateCommand.h"

#include <QCoreApplication>

#include <vector>

namespace ortelia {

namespace {
// One entry per command; each subsystem that offers a command adds its line here.
const std::vector<Command> kCommands = {
    {"say", "say [--wav DATEI] ZEILE...",
     "spricht die Zeilen, Stimm-Markierungen zuerst; mit --wav in eine WAV-Datei", runSay, sayNeedsSoundCard},
    {"lookup", "lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] WORT",
     "schlägt ein Wort nach und gibt Übersetzung, deutsche Seite und Zusatz aus", runLookupCommand},
    {"translate", "translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] [DATEI]",
     "übersetzt einen Text (DATEI oder Standardeingabe) Wort für Wort", runTranslateCommand},
    {"import-freedict", "import-freedict INDEX DICT.DZ ZIEL.txt [SPRACHE]",
     "macht aus einem FreeDict-Wörterbuch ein Wörterbuch dieses Programms", runImportFreedictCommand},
    {"publish-updates", "publish-updates ORDNER BASIS-ADRESSE [DATUM]",
     "schreibt die Update-Liste und die Wörterbücher für einen Update-Server in ORDNER",
     runPublishUpdatesCommand},
    {"install", "install", "trägt Ortelia mit Symbol und Fenster-Aktionen ins Menü des Desktops ein",
     runInstallCommand},
    {"uninstall", "uninstall", "nimmt den Menüeintrag und das Symbol wieder heraus", runUninstallCommand},
};
} // namespace

const Command *findCommand(const QString &name)
{
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

std::span<const Command> commands()
{
    return kCommands;
}

namespace {
QStringList arguments(int argc, char **argv, int from)
{
    QStringList args;
    for (int i = from; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}
} // namespace

bool runsWithoutWindowProgram(int argc, char **argv)
{
    const Command *command = argc > 1 ? findCommand(QString::fromLocal8Bit(argv[1])) : nullptr;
    return command && !(command->needsWindowProgram && command->needsWindowProgram(arguments(argc, argv, 2)));
}

int runCommand(const Command &command, int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ortelia"));
    const QDir startDir = QDir::current();
    ProgramFolder::setRoot(QCoreApplication::applicationDirPath());
    return command.run(QCoreApplication::arguments().mid(2), startDir);
}

} // namespace ortelia
