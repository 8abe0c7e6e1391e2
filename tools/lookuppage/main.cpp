// Writes the dictionary pages T2 to T6 into the program folder with the routine the dictionary
// chooser uses for its page; each reads its pair's dictionary in TranslateDeGb and answers words
// it does not hold with their base form.
#include "Catalogue.h"
#include "LookupPage.h"

#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("Aufruf: ortelia_lookup_pages PROGRAMMORDNER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const ortelia::CatalogueEntry &entry : ortelia::knownDictionaries()) {
        if (entry.page.isEmpty())
            continue;
        const QString name = QStringLiteral("TranslateDeGb/") + QFileInfo(entry.fileName).completeBaseName();
        const QString baseForms = QStringLiteral("Grundformen.tab ") + entry.formsLanguage;
        if (!ortelia::LookupPage::writeFixed(folder + QLatin1Char('/') + entry.page, name, baseForms)) {
            std::fprintf(stderr, "Die Seite %s kann nicht geschrieben werden.\n", qPrintable(entry.page));
            return 1;
        }
    }
    return 0;
}
