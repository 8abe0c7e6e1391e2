#include "Interim.h"

#include "Form3.h"
#include "ProgramFolder.h"
#include "TextFile.h"

namespace ortelia {

QStringList LoadVoiceProfile()
{
    return TextFile::readLines(ProgramFolder::path(QStringLiteral("stimm2.txt"))).value_or(QStringList());
}

void Form3::navigate(QWidget *, const QString &)
{
}
QString Form3::lookUp(const QString &, bool)
{
    return {};
}
std::optional<QString> Form3::pageResult(const QString &) const
{
    return std::nullopt;
}
void Form3::speakText(QStringList &lines)
{
    lines.clear();
}
void Form3::speakTranslation(QStringList &lines)
{
    TextFile::writeLinesInPlace(ProgramFolder::path(QStringLiteral("erkennung.txt")), lines);
    lines.clear();
}
void Form3::pressSpeechButton(const QString &)
{
}
void Form3::applySpeechGain(const StereoGain &)
{
}

} // namespace ortelia
