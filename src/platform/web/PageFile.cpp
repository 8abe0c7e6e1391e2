#include "PageFile.h"

#include "ProgramFolder.h"
#include "TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace ortelia::web::PageFile {

bool looksLikeHtml(const QString &path, const QByteArray &bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    static const QStringList htmlSuffixes = {QStringLiteral("htm"), QStringLiteral("html"),
                                             QStringLiteral("xhtml"), QStringLiteral("hta"),
                                             QStringLiteral("shtml")};
    static const QStringList textSuffixes = {QStringLiteral("txt"), QStringLiteral("text"),
                                             QStringLiteral("chk"), QStringLiteral("log"),
                                             QStringLiteral("csv"), QStringLiteral("ini")};
    if (htmlSuffixes.contains(suffix))
        return true;
    if (textSuffixes.contains(suffix))
        return false;
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && QChar::isSpace(uchar(bytes[i])))
        ++i;
    return i < bytes.size() && bytes[i] == '<';
}

QString decode(const QByteArray &bytes)
{
    static const QRegularExpression utf8Charset(QStringLiteral("charset\\s*=\\s*[\"']?utf-?8"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (!bytes.startsWith("\xEF\xBB\xBF") &&
        utf8Charset.match(QString::fromLatin1(bytes.left(2048))).hasMatch())
        return QString::fromUtf8(bytes);
    return TextFile::decode(bytes);
}

bool withinReach(const QString &pageDir, const QString &path)
{
    return ProgramFolder::holds(path) || ProgramFolder::isInside(path, pageDir);
}

} // namespace ortelia::web::PageFile
