#include "DocumentLink.h"

#include "HoverHelp.h"
#include "Shell.h"

#include <QFileInfo>

namespace ortelia::DocumentLink {

namespace {

bool saidWhenNotOpened(bool opened, const QString &path)
{
    if (!opened)
        HoverHelp::setHelpText(QStringLiteral("Kein Programm zum Öffnen von [") + QFileInfo(path).fileName() +
                               QStringLiteral("] gefunden!"));
    return opened;
}

} // namespace

bool open(const QString &path)
{
    return saidWhenNotOpened(Shell::openDocument(path), path);
}

bool edit(const QString &path)
{
    return saidWhenNotOpened(Shell::editTextFile(path), path);
}

} // namespace ortelia::DocumentLink
