#include "SoundEffect.h"

#include "ProgramFolder.h"
#include "SoundFile.h"

namespace ortelia {

bool PlaySoundEffect(const QString &name)
{
    // A name is one file name, never a path.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    return PlaySoundFile(ProgramFolder::path(QStringLiteral("Sounds/") + name + QStringLiteral(".wav")));
}

} // namespace ortelia
