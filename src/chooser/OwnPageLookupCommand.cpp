#include "ChooserCommands.h"

#include "CommandEnd.h"
#include "LookupCall.h"
#include "OwnPageLookup.h"
#include "SpellingSuggestions.h"

#include <cstdio>

namespace ortelia {

int runOwnPageLookupCommand(const QStringList &args, const QDir &startDir)
{
    const std::variant<LookupCall, int> call = readLookupCall(args, startDir);
    if (const int *status = std::get_if<int>(&call))
        return *status;
    const LookupCall &lookup = std::get<LookupCall>(call);
    QString refusal;
    if (const std::optional<LookupAnswer> answer =
            lookUpOnOwnPage(lookup.page, lookup.word, lookup.direction, &refusal)) {
        if (!refusal.isEmpty())
            std::fprintf(stderr, "%s\n", refusal.toLocal8Bit().constData());
        const int status = printLookup(*answer, lookup.details);
        // Hunspell is read only here, for a word without entry.
        nameSuggestions(*answer, [&lookup] {
            return SpellingSuggestions::onOwnPage(lookup.page, lookup.word, lookup.direction);
        });
        return status;
    }
    return kHandOn;
}

} // namespace ortelia
