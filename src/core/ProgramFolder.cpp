#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace ortelia {

namespace {
QString g_root;

// The entry of dir whose name equals part without regard to case; part itself when none does.
QString matchEntry(const QString &dir, const QString &part)
{
    if (part == QLatin1String(".") || part == QLatin1String(".."))
        return part;
    const QString exact = dir + QLatin1Char('/') + part;
    if (QFileInfo::exists(exact))
        return part;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return part;
}
} // namespace

QString ProgramFolder::root()
{
    return g_root.isEmpty() ? QDir::currentPath() : g_root;
}

void ProgramFolder::setRoot(const QString &dir)
{
    g_root = QDir(dir).absolutePath();
    QDir::setCurrent(g_root);
}

QString ProgramFolder::path(const QString &relativeName)
{
    return resolve(root(), relativeName);
}

QString ProgramFolder::resolve(const QString &base, const QString &name)
{
    QString unified = name;
    unified.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString current;
    if (unified.startsWith(QLatin1Char('/'))) {
        current = QStringLiteral("/");
    } else {
        current = QDir(base).absolutePath();
    }
    const QStringList parts = unified.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString entry = matchEntry(current, part);
        current = current.endsWith(QLatin1Char('/')) ? current + entry : current + QLatin1Char('/') + entry;
    }
    return QDir::cleanPath(current);
}

bool ProgramFolder::holds(const QString &path)
{
    return isInside(path, root());
}

bool ProgramFolder::isInside(const QString &path, const QString &folder)
{
    const QString within = QFileInfo(folder).canonicalFilePath();
    const QString target = QFileInfo(path).canonicalFilePath();
    if (within.isEmpty() || target.isEmpty())
        return false;
    return target == within ||
           target.startsWith(within.endsWith(QLatin1Char('/')) ? within : within + QLatin1Char('/'));
}

} // namespace ortelia
