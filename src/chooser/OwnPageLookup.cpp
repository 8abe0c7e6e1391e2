#include "OwnPageLookup.h"

#include "LookupPage.h"
#include "PageFile.h"
#include "DictionaryFormat.h"
#include "TabularDataObject.h"

#include <QFile>
#include <QFileInfo>

namespace ortelia {

namespace {
// The program's pages are about 6 KB: a larger file is no own page and is not read here.
constexpr qint64 kMaxOwnPageBytes = 64 * 1024;
} // namespace

std::optional<LookupAnswer> lookUpOnOwnPage(const QString &pagePath, const QString &word, TextDirection direction)
{
    if (word.isEmpty())
        return std::nullopt;
    QFile file(pagePath);
    if (file.size() > kMaxOwnPageBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (!web::PageFile::looksLikeHtml(pagePath, bytes))
        return std::nullopt;
    const std::optional<QMap<QString, QString>> params = LookupPage::dataObjectParams(web::PageFile::decode(bytes));
    if (!params)
        return std::nullopt;
    web::TabularDataObject data(*params, QFileInfo(pagePath).absolutePath());
    data.setFilter((direction == TextDirection::German ? germanColumn() : foreignColumn()) + QStringLiteral(" = ") +
                   word);
    data.Reset();
    return LookupAnswer{data.field(foreignColumn()), data.field(germanColumn()), data.field(noteColumn())};
}

} // namespace ortelia
