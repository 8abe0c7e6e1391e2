#include "ChooserCommands.h"

#include "Dictionary.h"
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
    Dictionary dictionary(browser);
    const LookupAnswer answer = dictionary.answer(lookup.word, lookup.direction).value_or(LookupAnswer{});
    const int status = printLookup(answer, lookup.details);
    nameSuggestions(answer, [&] { return dictionary.suggestions(lookup.word, lookup.direction); });
    return status;
}

} // namespace ortelia
