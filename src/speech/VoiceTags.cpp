#include "VoiceTags.h"

#include <array>

namespace ortelia::VoiceTags {

namespace {
constexpr std::array<VoiceSliderInfo, 6> kSliders = {{
    {"#bpit=", "Hz#", "Hz", 15, 400, 50},
    {"#spd=", "%#", "%", 20, 250, 100},
    {"#pit=", "Hz#", "Hz", 10, 300, 10},
    {"#BINT=", "%#", "%", 0, 250, 0},
    {"#VOL=", "%dB#", "%", 0, 500, 100},
    {"#AFX =DL122=1:$123=", ".0,$124=0.4,$125=0.0;#", "", 0, 500, 50},
}};
} // namespace

const VoiceSliderInfo &slider(VoiceSlider which)
{
    return kSliders.at(size_t(which));
}

QString sliderTag(VoiceSlider which, int n)
{
    const VoiceSliderInfo &info = slider(which);
    return QLatin1String(info.tagStart) + QString::number(n) + QLatin1String(info.tagEnd);
}

QString sliderValueText(VoiceSlider which, int n)
{
    return QString::number(n) + QLatin1String(slider(which).unit);
}

QString voiceTag(const QString &alias)
{
    return QStringLiteral("#voice=name:") + alias + QLatin1Char('#');
}

QString voiceTestText(const QString &alias)
{
    return voiceTag(alias) + QStringLiteral("Test 1 2 3!");
}

} // namespace ortelia::VoiceTags
