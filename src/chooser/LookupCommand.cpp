#include "ChooserCommands.h"

#include "LookUpOnPage.h"
#include "PageCommandLine.h"
#include "CommandEnd.h"
#include "HeadlessPage.h"

#include <cstdio>

namespace ortelia {

namespace {

int usage()
{
    std::fputs("Aufruf: ortelia lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] WORT\n",
               stderr);
    return 2;
}

} // namespace

int runLookupCommand(const QStringList &args, const QDir &startDir)
{
    const std::optional<PageOptions> options = parsePageOptions(args, startDir);
    if (!options || options->operands.isEmpty())
        return usage();
    HeadlessPage browser;
    if (!openDictionaryPage(browser, options->page))
        return 1;
    LookUpOnPage(browser, options->operands.join(QLatin1Char(' ')), options->direction);
    const LookupAnswer answer = readLookupAnswer(browser);
    printLine(answer.translation);
    printLine(answer.german);
    printLine(answer.note);
    endCommandProcess(answer.translation.isEmpty() && answer.german.isEmpty() ? 1 : 0);
}

} // namespace ortelia
