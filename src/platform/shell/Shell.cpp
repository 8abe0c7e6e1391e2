#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace ortelia::Shell {

namespace {
void (*g_recorder)(const QString &, const QString &) = nullptr;

bool open(const QString &kind, const QString &target, const QUrl &url)
{
    if (g_recorder) {
        g_recorder(kind, target);
        return true;
    }
    return QDesktopServices::openUrl(url);
}
} // namespace

bool openDocument(const QString &path) { return open(QStringLiteral("open"), path, QUrl::fromLocalFile(path)); }

bool editTextFile(const QString &path) { return open(QStringLiteral("edit"), path, QUrl::fromLocalFile(path)); }

bool openAddress(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    return open(QStringLiteral("address"), address, url);
}

bool openMail(const QString &address)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    return open(QStringLiteral("mail"), address, url);
}

void setRecorder(void (*recorder)(const QString &, const QString &)) { g_recorder = recorder; }

} // namespace ortelia::Shell
