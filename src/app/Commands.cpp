#include "Commands.h"

#include "SayCommand.h"
#include "ChooserCommands.h"
#include "FreedictImport.h"
#include "PublishUpdates.h"
#include "TranslateCommand.h"

#include <vector>

namespace ortelia {

namespace {
// One entry per command; each subsystem that offers a command adds its line here.
const std::vector<Command> kCommands = {
    {"say", "say [--wav DATEI] ZEILE...", runSay, false},
    {"lookup", "lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] WORT", runLookupCommand},
    {"translate", "translate [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] [DATEI]",
     runTranslateCommand},
    {"import-freedict", "import-freedict INDEX DICT.DZ ZIEL.txt [SPRACHE]", runImportFreedictCommand},
    {"publish-updates", "publish-updates ORDNER BASIS-ADRESSE [DATUM]", runPublishUpdatesCommand, false},
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

QString commandUsage()
{
    QString text = QStringLiteral("Aufruf: ortelia [--window FENSTER] | ortelia BEFEHL\n");
    for (const Command &command : kCommands)
        text += QStringLiteral("  ortelia %1\n").arg(QLatin1String(command.usage));
    return text;
}

} // namespace ortelia
