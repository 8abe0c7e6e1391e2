#include "SpeechRequest.h"

#include "HoverHelp.h"
#include "SettingsFiles.h"
#include "TextFile.h"
#include "VoiceLines.h"

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
    FileRead::Failure failure = FileRead::Failure::None;
    const std::optional<QStringList> lines =
        SettingsFiles::readLines(SettingsFiles::voiceProfilePath(), &failure);
    if (lines && SettingsFiles::isPlainText(*lines))
        return *lines;
    if (failure == FileRead::Failure::Missing)
        return {};
    // Whatever is in the file's place would be spoken, or never end being read.
    HoverHelp::setHelpText(
        QStringLiteral("Achtung : stimm2.txt ist kein Stimm-Muster! Es spricht die Standardstimme."));
    return {QString(VoiceLines::kFirstRunProfile)};
}

} // namespace ortelia
