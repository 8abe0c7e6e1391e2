#include "SpeechRequest.h"

#include "TextFile.h"

namespace ortelia {

bool writeRequest(const QString &path, QStringList &lines, AfterWriting after)
{
    const bool written = TextFile::writeLinesInPlace(path, lines);
    if (after == AfterWriting::EmptyList)
        lines.clear();
    return written;
}

} // namespace ortelia
