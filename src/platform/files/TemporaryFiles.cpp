#include "TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace ortelia {

namespace {

constexpr time_t kStaleSeconds = 60;

} // namespace

QString temporaryNameFor(const QString &target)
{
    return QStringLiteral("%1.%2.tmp").arg(target).arg(QRandomGenerator::global()->generate(), 0, 36);
}

void removeStaleTemporaries(const QString &target)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    // The random part is a 32-bit number in base 36: one to seven digits or small letters.
    const QRegularExpression ours(QLatin1Char('^') + QRegularExpression::escape(info.fileName()) +
                                  QStringLiteral("\\.[0-9a-z]{1,7}\\.tmp$"));
    const time_t now = std::time(nullptr);
    const QStringList candidates =
        folder.entryList({info.fileName() + QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : candidates) {
        if (!ours.match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder.filePath(name));
        struct stat state {};
        if (::lstat(path.constData(), &state) == 0 && S_ISREG(state.st_mode) &&
            now - state.st_mtime > kStaleSeconds)
            ::unlink(path.constData());
    }
}

} // namespace ortelia
