#pragma once
// Stand-ins until the platform layers land on main; removed when they do.

#include <QDateTime>
#include <QImage>
#include <QRegion>
#include <QString>

#include <cstdint>

class QWidget;

namespace ortelia {

QRegion RegionFromBitmap(const QImage &picture, QRgb transparent);
QImage RenderPicture(const QString &svgFile, QSize size = {});
bool PlaySoundEffect(const QString &name);
bool HideDesktop();
bool ShowDesktop();
bool ConfineMouse(const QWidget *area);
void ReleaseMouse();
uint32_t WaveOutVolume(int rightSlider, int leftSlider);
struct StereoGain {
    double left = 1.0;
    double right = 1.0;
};
StereoGain GainFromWaveOutVolume(uint32_t volume);
QString ClockTime(const QTime &time);
QString ClockDate(const QDate &date);
QString ClockTimeAndDate(const QDateTime &moment);
QStringList LoadVoiceProfile();

} // namespace ortelia
