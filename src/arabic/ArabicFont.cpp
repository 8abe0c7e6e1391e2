#include "ArabicFont.h"

#include <QFontDatabase>

namespace ortelia::ArabicFont {

QString choose(const QStringList &familiesWithArabic)
{
    static const char *const preferred[] = {"Noto Naskh Arabic", "Noto Sans Arabic", "KacstOne", "KacstBook",
                                            "DejaVu Sans"};
    for (const char *family : preferred) {
        if (familiesWithArabic.contains(QLatin1String(family), Qt::CaseInsensitive))
            return QLatin1String(family);
    }
    return familiesWithArabic.value(0);
}

QString installed()
{
    return choose(QFontDatabase::families(QFontDatabase::Arabic));
}

QString missingHint()
{
    return QStringLiteral("Keine Schrift mit arabischen Zeichen gefunden: bitte das Paket fonts-noto-core "
                          "installieren. ");
}

} // namespace ortelia::ArabicFont
