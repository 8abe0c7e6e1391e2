#include "LookupCall.h"

#include "CommandEnd.h"
#include "GrammarTable.h"
#include "PageCommandLine.h"
#include "SpellingSuggestions.h"

#include <cstdio>

namespace ortelia {

bool lookupNeedsWindowProgram(const QStringList &args)
{
    return args.contains(QLatin1String("--say"));
}

std::variant<LookupCall, int> readLookupCall(const QStringList &args, const QDir &startDir)
{
    QStringList pageArgs;
    bool say = false;
    bool details = false;
    QString wavPath;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--")) {
            pageArgs << args.mid(i);
            break;
        }
        if (args[i] == QLatin1String("--say"))
            say = true;
        else if (args[i] == QLatin1String("--details"))
            details = true;
        else if (args[i] == QLatin1String("--wav") && i + 1 < args.size())
            wavPath = startDir.absoluteFilePath(args[++i]);
        else
            pageArgs << args[i];
    }
    // A file to speak into without speaking is a wrong call.
    const bool wrong = !wavPath.isEmpty() && !say;
    const std::optional<PageOptions> options = parsePageOptions(pageArgs, startDir);
    if (wrong || !options || options->operands.isEmpty()) {
        std::fputs("Aufruf: ortelia lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] "
                   "[--details] [--say [--wav DATEI]] WORT\n",
                   stderr);
        return 2;
    }
    if (!pageExists(options->page))
        return 1;
    return LookupCall{options->page, options->operands.join(QLatin1Char(' ')), options->direction, say,
                      wavPath, details};
}

int printLookup(const LookupAnswer &answer, bool details)
{
    if (!printLine(answer.translation) || !printLine(answer.german) || !printLine(answer.note))
        return kOutputFailedStatus;
    if (details) {
        for (const QString &line : GrammarTable::ofProgram().of(answer.german).lines()) {
            if (!printLine(line))
                return kOutputFailedStatus;
        }
    }
    return answer.translation.isEmpty() && answer.german.isEmpty() ? 1 : 0;
}

void nameSuggestions(const LookupAnswer &answer, const std::function<QStringList()> &suggestions)
{
    if (!answer.translation.isEmpty() || !answer.german.isEmpty())
        return;
    if (const QString question = SpellingSuggestions::question(suggestions()); !question.isEmpty())
        std::fprintf(stderr, "%s\n", question.toLocal8Bit().constData());
}

} // namespace ortelia
