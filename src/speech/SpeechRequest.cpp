#include "SpeechRequest.h"

#include "ProgramFolder.h"
#include "TextFile.h"

namespace ortelia {

bool writeRequest(const QString &path, QStringList &lines, AfterWriting after)
{
    const bool written = TextFile::writeLinesInPlace(path, lines);
    if (after == AfterWriting::EmptyList)
        lines.clear();
    return written;
}

QStringList LoadVoiceProfile()
{
    return TextFile::readLines(ProgramFolder::path(QStringLiteral("stimm2.txt"))).value_or(QStringList());
}

} // namespace ortelia
