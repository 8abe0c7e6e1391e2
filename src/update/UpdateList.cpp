#include "UpdateList.h"

#include "SettingsFormat.h"
#include "TextRoutines.h"

#include <QUrl>

namespace ortelia::UpdateList {

QString Entry::summary() const
{
    return field(0) + QLatin1Char(' ') + field(1) + QLatin1Char(' ') + field(2);
}

std::optional<Entry> parse(const QString &line)
{
    std::optional<QStringList> fields = splitWords(line, QLatin1Char('#'));
    if (!fields)
        return std::nullopt;
    return Entry{*fields};
}

bool isNewer(const QString &entryDate, const QString &storedDate)
{
    static const auto eightDigits = [](const QString &date) {
        return date.size() == 8 && std::all_of(date.begin(), date.end(), [](QChar c) { return c.isDigit(); });
    };
    return eightDigits(entryDate) && eightDigits(storedDate) && entryDate > storedDate;
}

QString refusal(const Entry &entry)
{
    const QString name = entry.fileName();
    if (name.isEmpty())
        return QStringLiteral("kein Dateiname");
    if (name.size() > kMaxFileNameLength)
        return QStringLiteral("Dateiname zu lang");
    if (name.compare(QLatin1String("update"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Dateiname der Update-Liste");
    if (name.contains(QLatin1String("..")) || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char(':')) ||
        name.contains(QLatin1Char('"')) || std::any_of(name.begin(), name.end(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7f;
        }))
        return QStringLiteral("kein einfacher Dateiname");
    const QUrl url(entry.address());
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return QStringLiteral("keine http- oder https-Adresse");
    return {};
}

QString listAddress(const QString &baseAddress)
{
    QString base = baseAddress.trimmed();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + QLatin1String(kListPath);
}

QString storedCopy(const QString &text)
{
    return SettingsFormat::quoted(text);
}

} // namespace ortelia::UpdateList
