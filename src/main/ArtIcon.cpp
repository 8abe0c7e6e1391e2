#include "ArtIcon.h"

#include "ProgramFolder.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QIcon>

namespace ortelia {

void setArtIcon(QAbstractButton *button, const char *file)
{
    const QString path = ProgramFolder::path(QStringLiteral("art/") + QLatin1String(file));
    if (QFileInfo::exists(path))
        button->setIcon(QIcon(path));
}

} // namespace ortelia
