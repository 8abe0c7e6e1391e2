#include "OwnPageLookup.h"

#include "DictionaryFile.h"
#include "DictionaryFormat.h"
#include "FileRead.h"
#include "LookupPage.h"
#include "PageFile.h"
#include "TabularDataObject.h"

#include <QFileInfo>

namespace ortelia {

namespace {

// The program's pages are about 6 KB: a larger file is no own page and is not read here.
constexpr qint64 kMaxOwnPageBytes = 64 * 1024;

QString refusalOf(const QString &dataUrl, FileRead::Failure why)
{
    QString cause;
    switch (why) {
    case FileRead::Failure::NotRegular:
        cause = QStringLiteral("ist keine gewöhnliche Datei");
        break;
    case FileRead::Failure::TooLarge:
        cause = QStringLiteral("ist größer als %1 MB").arg(kMaxDictionaryBytes / (1024 * 1024));
        break;
    case FileRead::Failure::Unreadable:
        cause = QStringLiteral("kann nicht gelesen werden");
        break;
    default:
        return QString();
    }
    return dictionaryFailureMessages().first() + QStringLiteral(": ") + dataUrl + QLatin1Char(' ') + cause +
           QLatin1Char('!');
}

} // namespace

std::optional<LookupAnswer> lookUpOnOwnPage(const QString &pagePath, const QString &word,
                                            TextDirection direction, QString *refusal)
{
    if (word.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> bytes = FileRead::regularFile(pagePath, kMaxOwnPageBytes);
    if (!bytes || !web::PageFile::looksLikeHtml(pagePath, *bytes))
        return std::nullopt;
    const std::optional<QMap<QString, QString>> params =
        LookupPage::dataObjectParams(web::PageFile::decode(*bytes));
    if (!params)
        return std::nullopt;
    // One search: only the records it compares are read.
    web::TabularDataObject data(*params, QFileInfo(pagePath).absolutePath(), nullptr,
                                web::TabularDataObject::Reading::OneSearch);
    data.setFilter((direction == TextDirection::German ? germanColumn() : foreignColumn()) +
                   QStringLiteral(" = ") + word);
    data.Reset();
    if (refusal)
        *refusal = refusalOf(data.dataUrl(), data.loadFailure());
    return LookupAnswer{data.field(foreignColumn()), data.field(germanColumn()), data.field(noteColumn())};
}

} // namespace ortelia
