#include "PageCommandLine.h"

#include "Catalogue.h"
#include "CommandEnd.h"
#include "ProgramFolder.h"

#include <QFileInfo>

#include <cstdio>

namespace ortelia {

std::optional<PageOptions> parsePageOptions(const QStringList &args, const QDir &startDir)
{
    PageOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        // After "--" every argument is a word, also one that begins with "--".
        if (arg == QLatin1String("--")) {
            options.operands << args.mid(i + 1);
            break;
        }
        if (arg == QLatin1String("--foreign")) {
            options.direction = TextDirection::Foreign;
        } else if ((arg == QLatin1String("--pair") || arg == QLatin1String("--page")) &&
                   i + 1 < args.size()) {
            if (!options.page.isEmpty())
                return std::nullopt;
            const QString value = args[++i];
            if (arg == QLatin1String("--page")) {
                options.page = ProgramFolder::resolve(startDir.absolutePath(), value);
                continue;
            }
            const CatalogueEntry entry = catalogueEntry(value);
            if (entry.page.isEmpty()) {
                std::fprintf(stderr, "Unbekanntes Sprachpaar: %s\n", qPrintable(value));
                return std::nullopt;
            }
            options.page = ProgramFolder::path(entry.page);
        } else if (arg.startsWith(QLatin1String("--")) && options.operands.isEmpty()) {
            return std::nullopt;
        } else {
            options.operands << arg;
        }
    }
    if (options.page.isEmpty())
        options.page = ProgramFolder::path(catalogueEntry(QStringLiteral("DeEn")).page);
    return options;
}

bool pageExists(const QString &page)
{
    if (QFileInfo(page).isFile())
        return true;
    std::fprintf(stderr, "Die Seite %s fehlt.\n", qPrintable(page));
    return false;
}

bool printLine(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()))
        return true;
    sayOutputFailed(errno);
    return false;
}

} // namespace ortelia
