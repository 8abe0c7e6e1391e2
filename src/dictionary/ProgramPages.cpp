#include "ProgramPages.h"

#include "HeadlessPage.h"
#include "LookupPage.h"
#include "PageFile.h"

#include <QFile>

namespace ortelia {

namespace {

// The dictionary pages the program writes are about 6 KB.
constexpr qsizetype kMaxDictionaryPageBytes = 64 * 1024;

bool isShippedPage(const QByteArray &bytes)
{
    for (const char *name : {"sp", "blank.htm", "sprech.htm", "text.htm"}) {
        QFile shipped(QStringLiteral(":/program-pages/") + QLatin1String(name));
        if (shipped.size() == bytes.size() && shipped.open(QIODevice::ReadOnly) && shipped.readAll() == bytes)
            return true;
    }
    return false;
}

} // namespace

bool isProgramPage(const QByteArray &bytes)
{
    return isShippedPage(bytes) ||
           (bytes.size() <= kMaxDictionaryPageBytes &&
            LookupPage::dataObjectParams(web::PageFile::decode(bytes)).has_value());
}

void hostForeignPages(const QString &hostProgram)
{
    HeadlessPage::setPageHost(
        {hostProgram, [](const QString &, const QByteArray &bytes) { return isProgramPage(bytes); }});
}

} // namespace ortelia
