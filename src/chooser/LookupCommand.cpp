#include "ChooserCommands.h"

#include "HeadlessPage.h"
#include "LookupCall.h"

namespace ortelia {

int runLookupCommand(const QStringList &args, const QDir &startDir)
{
    const std::variant<LookupCall, int> call = readLookupCall(args, startDir);
    if (const int *status = std::get_if<int>(&call))
        return *status;
    const LookupCall &lookup = std::get<LookupCall>(call);
    HeadlessPage browser;
    browser.navigate(lookup.page);
    LookUpOnPage(browser, lookup.word, lookup.direction);
    return printLookup(readLookupAnswer(browser));
}

} // namespace ortelia
