#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace ortelia::Shell {

bool openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// The desktop's handler of a text file is its text editor.
bool editTextFile(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool openAddress(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    return QDesktopServices::openUrl(url);
}

bool openMail(const QString &address)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    return QDesktopServices::openUrl(url);
}

} // namespace ortelia::Shell
