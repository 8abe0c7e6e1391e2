#include "Commands.h"

#include "ChooserCommands.h"
#include "DesktopEntry.h"
#include "FreedictImport.h"
#include "PublishUpdates.h"
#include "SayCommand.h"
#include "TranslateCommand.h"

#include <vector>

namespace ortelia {

namespace {
// One entry per command; each subsystem that offers a command adds its line here.
const std::vector<Command> kCommands = {
    {"say", "say [--wav DATEI] ZEILE...",
     "spricht die Zeilen, Stimm-Markierungen zuerst; mit --wav in eine WAV-Datei", runSay, false},
    {"lookup", "lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] WORT",
     "schlägt ein Wort nach und gibt Übersetzung, deutsche Seite und Zusatz aus", runLookupCommand},
    {"translate", "translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] [DATEI]",
     "übersetzt einen Text (DATEI oder Standardeingabe) Wort für Wort", runTranslateCommand},
    {"import-freedict", "import-freedict INDEX DICT.DZ ZIEL.txt [SPRACHE]",
     "macht aus einem FreeDict-Wörterbuch ein Wörterbuch dieses Programms", runImportFreedictCommand},
    {"publish-updates", "publish-updates ORDNER BASIS-ADRESSE [DATUM]",
     "schreibt die Update-Liste und die Wörterbücher für einen Update-Server in ORDNER",
     runPublishUpdatesCommand, false},
    {"install", "install", "trägt Ortelia mit Symbol und Fenster-Aktionen ins Menü des Desktops ein",
     runInstallCommand, false},
    {"uninstall", "uninstall", "nimmt den Menüeintrag und das Symbol wieder heraus", runUninstallCommand,
     false},
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

} // namespace ortelia
