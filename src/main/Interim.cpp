#include "Interim.h"

#include "Form3.h"
#include "ProgramFolder.h"
#include "TextFile.h"

namespace ortelia {

QRegion RegionFromBitmap(const QImage &, QRgb) { return {}; }
QImage RenderPicture(const QString &, QSize) { return {}; }
bool PlaySoundEffect(const QString &) { return false; }
bool HideDesktop() { return false; }
bool ShowDesktop() { return false; }
bool ConfineMouse(const QWidget *) { return false; }
void ReleaseMouse() {}
uint32_t WaveOutVolume(int rightSlider, int leftSlider)
{
    return uint32_t(32767 - rightSlider) + uint32_t(32767 - leftSlider) * 65536u;
}
StereoGain GainFromWaveOutVolume(uint32_t volume)
{
    return {double(volume >> 16) / 32767.0, double(volume & 0xFFFF) / 32767.0};
}
QString ClockTime(const QTime &time) { return time.toString(QStringLiteral("hh:mm:ss")); }
QString ClockDate(const QDate &date) { return date.toString(QStringLiteral("dd.MM.yyyy")); }
QString ClockTimeAndDate(const QDateTime &moment)
{
    return ClockTime(moment.time()) + QStringLiteral("Uhr.    ") + ClockDate(moment.date());
}
QStringList LoadVoiceProfile()
{
    return TextFile::readLines(ProgramFolder::path(QStringLiteral("stimm2.txt"))).value_or(QStringList());
}

void Form3::navigate(QWidget *, const QString &) {}
QString Form3::lookUp(const QString &, bool) { return {}; }
std::optional<QString> Form3::pageResult(const QString &) const { return std::nullopt; }
void Form3::speakText(QStringList &lines) { lines.clear(); }
void Form3::speakTranslation(QStringList &lines)
{
    TextFile::writeLinesInPlace(ProgramFolder::path(QStringLiteral("erkennung.txt")), lines);
    lines.clear();
}
void Form3::pressSpeechButton(const QString &) {}
void Form3::applySpeechGain(const StereoGain &) {}

} // namespace ortelia
