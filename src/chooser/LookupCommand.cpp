#include "ChooserCommands.h"

#include "Catalogue.h"
#include "LookUpOnPage.h"
#include "ProgramFolder.h"
#include "WebBrowser.h"

#include <QFileInfo>

#include <cstdio>

namespace ortelia {

namespace {

int usage()
{
    std::fputs("Aufruf: ortelia lookup [--pair DeEn|DeFr|DeGr|DeIt|DeSp | --page DATEI] [--foreign] WORT\n", stderr);
    return 2;
}

void printLine(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int runLookupCommand(const QStringList &args, const QDir &startDir)
{
    QString page;
    TextDirection direction = TextDirection::German;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--foreign")) {
            direction = TextDirection::Foreign;
        } else if ((arg == QLatin1String("--pair") || arg == QLatin1String("--page")) && i + 1 < args.size()) {
            if (!page.isEmpty())
                return usage();
            const QString value = args[++i];
            if (arg == QLatin1String("--page")) {
                page = ProgramFolder::resolve(startDir.absolutePath(), value);
            } else {
                const CatalogueEntry entry = catalogueEntry(value);
                if (entry.page.isEmpty()) {
                    std::fprintf(stderr, "Unbekanntes Sprachpaar: %s\n", qPrintable(value));
                    return usage();
                }
                page = ProgramFolder::path(entry.page);
            }
        } else if (arg.startsWith(QLatin1String("--")) && words.isEmpty()) {
            return usage();
        } else {
            words << arg;
        }
    }
    if (words.isEmpty())
        return usage();
    if (page.isEmpty())
        page = ProgramFolder::path(catalogueEntry(QStringLiteral("DeEn")).page);
    if (!QFileInfo(page).isFile()) {
        std::fprintf(stderr, "Die Seite %s fehlt.\n", qPrintable(page));
        return 1;
    }

    WebBrowser browser;
    browser.navigate(page);
    LookUpOnPage(browser, words.join(QLatin1Char(' ')), direction);
    const LookupAnswer answer = readLookupAnswer(browser);
    printLine(answer.translation);
    printLine(answer.german);
    printLine(answer.note);
    std::fflush(stdout);
    return answer.translation.isEmpty() && answer.german.isEmpty() ? 1 : 0;
}

} // namespace ortelia
