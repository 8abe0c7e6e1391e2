#include "UpdateList.h"

#include "Catalogue.h"
#include "DictionaryFile.h"
#include "SettingsFormat.h"
#include "TextFile.h"
#include "TextRoutines.h"

#include <QRegularExpression>
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

QString fileNameRefusal(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("kein Dateiname");
    if (name.size() > kMaxFileNameLength)
        return QStringLiteral("Dateiname zu lang");
    const auto allowed = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'-' || c == u'_' || c == u'.';
    };
    if (name.startsWith(QLatin1Char('.')) || !std::all_of(name.begin(), name.end(), allowed))
        return QStringLiteral("kein einfacher Dateiname (nur Buchstaben, Ziffern, - _ .)");
    return {};
}

QString refusal(const Entry &entry)
{
    const QString name = entry.fileName();
    if (QString why = fileNameRefusal(name); !why.isEmpty())
        return why;
    if (name.compare(QLatin1String("update"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Dateiname der Update-Liste");
    const QUrl url(entry.address());
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return QStringLiteral("keine http- oder https-Adresse");
    return {};
}

QString storeNameRefusal(const QString &name)
{
    if (QString why = fileNameRefusal(name); !why.isEmpty())
        return why;
    if (!name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) &&
        !name.endsWith(QLatin1String(".chk"), Qt::CaseInsensitive))
        return QStringLiteral("nur Namen auf .txt oder .chk");
    if (name.compare(QLatin1String("update.chk"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Dateiname der Update-Liste");
    for (const CatalogueEntry &own : knownDictionaries()) {
        if (!own.page.isEmpty() && own.fileName.compare(name, Qt::CaseInsensitive) == 0)
            return QStringLiteral("Wörterbuch des Programms");
    }
    return {};
}

QString dictionaryRefusal(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("leer");
    // As the dictionary reader judges the file, in whichever encoding it is written.
    const EncodedText file = EncodedText::of(bytes);
    const DictionarySections split = splitDictionaryText(file);
    if (split.failure == DictionaryFailure::NotText)
        return QStringLiteral("keine Textdatei");
    if (!file.bytes().endsWith('\n') && !file.bytes().endsWith('\r'))
        return QStringLiteral("unvollständig, endet mitten in einer Zeile");
    if (!split.failure)
        return {};
    switch (*split.failure) {
    case DictionaryFailure::LineTooLong:
        return QStringLiteral("eine Zeile ist länger als %1 KB").arg(kMaxDictionaryLineBytes / 1024);
    default:
        break;
    }
    if (file.decode(file.bytes()).trimmed().startsWith(QLatin1Char('<')))
        return QStringLiteral("eine HTML-Seite");
    return QStringLiteral("es fehlen Trennlinien oder ein Abschnitt ist zu groß");
}

bool hasEntries(const QString &text)
{
    static const QRegularExpression eightDigits(QStringLiteral("^\\d{8}$"));
    const QStringList lines = TextFile::splitLines(text);
    return std::any_of(lines.begin(), lines.end(), [](const QString &line) {
        // The fields as parse() splits them, without its message for an overlong line: runs of
        // separators count as one, so only the first field can be empty.
        QStringList fields = line.split(QLatin1Char('#'));
        fields.erase(
            std::remove_if(fields.begin() + 1, fields.end(), [](const QString &f) { return f.isEmpty(); }),
            fields.end());
        return eightDigits.match(fields.value(3)).hasMatch();
    });
}

QString listRefusal(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("ist leer");
    const auto control = [](QChar c) { return c < u' ' && c != u'\t' && c != u'\r' && c != u'\n'; };
    if (std::any_of(text.begin(), text.end(), control))
        return QStringLiteral("ist keine Textdatei");
    if (trimmed.startsWith(QLatin1Char('<')))
        return QStringLiteral("ist eine HTML-Seite");
    return hasEntries(text) ? QString() : QStringLiteral("hat keinen Eintrag");
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
