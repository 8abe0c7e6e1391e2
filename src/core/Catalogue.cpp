#include "Catalogue.h"

namespace ortelia {

const std::vector<CatalogueEntry> &knownDictionaries()
{
    static const std::vector<CatalogueEntry> entries = {
        {QStringLiteral("DeEn.txt"), QStringLiteral("Deutsch-Englisch"), QStringLiteral("Deutsch-Englisch"),
         QStringLiteral("T2"), QStringLiteral("Englisch"), QStringLiteral("en_US")},
        {QStringLiteral("DeFr.txt"), QStringLiteral("Deutsch-Französisch"), QStringLiteral("Land"),
         QStringLiteral("T4"), QStringLiteral("Frazösisch"), QStringLiteral("fr_FR")},
        {QStringLiteral("DeGr.txt"), QStringLiteral("Deutsch-Griechisch"), QStringLiteral("Deutsch-Griechisch"),
         QStringLiteral("T5"), QStringLiteral("Griechisch"), QStringLiteral("el_GR")},
        {QStringLiteral("DeIt.txt"), QStringLiteral("Deutsch-Italienisch"), QStringLiteral("Deutsch-Italienisch"),
         QStringLiteral("T3"), QStringLiteral("Italienisch"), QStringLiteral("it_IT")},
        {QStringLiteral("DeSp.txt"), QStringLiteral("Deutsch-Spanisch"), QStringLiteral("Deutsch-Spanisch"),
         QStringLiteral("T6"), QStringLiteral("Spanisch"), QStringLiteral("es_ES")},
        {QStringLiteral("Deutsch-Arabisch.txt"), QStringLiteral("Deutsch-Arabisch"), QStringLiteral("Land"),
         QString(), QStringLiteral("Arabisch"), QString()},
        {QStringLiteral("Woerterbuch-Muster.txt"), QStringLiteral("Wörterbuch"),
         QStringLiteral("Beispiel-Woerterbuch"), QString(), QStringLiteral("Englisch"), QString()},
    };
    return entries;
}

CatalogueEntry catalogueEntry(const QString &fileName)
{
    QString name = fileName;
    if (!name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        name += QLatin1String(".txt");
    for (const CatalogueEntry &entry : knownDictionaries()) {
        if (entry.fileName.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {name, QStringLiteral("Wörterbuch"), QStringLiteral("Land"), QString(), QString(), QString()};
}

} // namespace ortelia
