#include "LookupCall.h"

#include "CommandEnd.h"
#include "PageCommandLine.h"

#include <cstdio>

namespace ortelia {

std::variant<LookupCall, int> readLookupCall(const QStringList &args, const QDir &startDir)
{
    const std::optional<PageOptions> options = parsePageOptions(args, startDir);
    if (!options || options->operands.isEmpty()) {
        std::fputs(
            "Aufruf: ortelia lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] WORT\n",
            stderr);
        return 2;
    }
    if (!pageExists(options->page))
        return 1;
    return LookupCall{options->page, options->operands.join(QLatin1Char(' ')), options->direction};
}

int printLookup(const LookupAnswer &answer)
{
    if (!printLine(answer.translation) || !printLine(answer.german) || !printLine(answer.note))
        return kOutputFailedStatus;
    return answer.translation.isEmpty() && answer.german.isEmpty() ? 1 : 0;
}

} // namespace ortelia
