#include "FreedictImport.h"

#include "Catalogue.h"
#include "DictdDatabase.h"
#include "FreedictSource.h"

#include <QFileInfo>

#include <cstdio>

namespace ortelia {

FreedictImportResult importFreedict(const QString &indexPath, const QString &dictPath, const QString &outPath,
                                    const QString &languageName, int maxKeys)
{
    FreedictImportResult result;
    const std::optional<QStringList> entries = readDictdEntries(indexPath, dictPath, result.error);
    if (!entries)
        return result;
    Glossary glossary;
    FreedictSource::addGerman(glossary, *entries);
    if (glossary.empty()) {
        result.error = QStringLiteral("Im Wörterbuch %1 wurden keine Einträge gefunden.").arg(indexPath);
        return result;
    }
    glossary.finish();
    return glossary.write(outPath, languageName, maxKeys);
}

int runImportFreedictCommand(const QStringList &args, const QDir &startDir)
{
    if (args.size() < 3 || args.size() > 4) {
        std::fputs("Aufruf: ortelia import-freedict INDEX DICT.DZ ZIEL.txt [SPRACHE]\n", stderr);
        return 2;
    }
    const QString out = startDir.absoluteFilePath(args[2]);
    const QString language =
        args.size() > 3 ? args[3] : catalogueEntry(QFileInfo(out).fileName()).languageName;
    if (language.isEmpty()) {
        std::fputs("Bitte den Namen der Sprache angeben.\n", stderr);
        return 2;
    }
    const FreedictImportResult result =
        importFreedict(startDir.absoluteFilePath(args[0]), startDir.absoluteFilePath(args[1]), out, language);
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", result.error.toUtf8().constData());
        return 1;
    }
    std::printf("%d Einträge nach %s geschrieben.\n", result.keys, out.toUtf8().constData());
    return 0;
}

} // namespace ortelia
