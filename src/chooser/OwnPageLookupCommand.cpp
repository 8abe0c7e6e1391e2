#include "ChooserCommands.h"

#include "CommandCatalogue.h"
#include "Commands.h"
#include "LookupCall.h"
#include "OwnPageLookup.h"

namespace ortelia {

int runOwnPageLookupCommand(const QStringList &args, const QDir &startDir)
{
    const std::variant<LookupCall, int> call = readLookupCall(args, startDir);
    if (const int *status = std::get_if<int>(&call))
        return *status;
    const LookupCall &lookup = std::get<LookupCall>(call);
    if (const std::optional<LookupAnswer> answer = lookUpOnOwnPage(lookup.page, lookup.word, lookup.direction))
        endLookup(*answer);
    return handCallTo(kPagesProgram, startDir);
}

} // namespace ortelia
