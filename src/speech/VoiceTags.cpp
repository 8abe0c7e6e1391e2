#include "VoiceTags.h"

#include "VoiceTagTable.h"

#include <array>

namespace ortelia::VoiceTags {

namespace {

// Each slider in the window's order: its tag and the unit shown after its value.
struct Slider {
    VoiceTag tag;
    const char *unit;
};
constexpr std::array<Slider, 6> kSliders = {{
    {VoiceTag::BasePitch, "Hz"},
    {VoiceTag::Speed, "%"},
    {VoiceTag::Intonation, "Hz"},
    {VoiceTag::Roughness, "%"},
    {VoiceTag::Volume, "%"},
    {VoiceTag::Echo, ""},
}};

} // namespace

const VoiceSliderInfo &slider(VoiceSlider which)
{
    static const std::array<VoiceSliderInfo, 6> infos = [] {
        std::array<VoiceSliderInfo, 6> result{};
        for (size_t i = 0; i < kSliders.size(); ++i) {
            const VoiceTagInfo &tag = VoiceTagTable::info(kSliders[i].tag);
            result[i] = {tag.prefix, tag.suffix, kSliders[i].unit, tag.minimum, tag.maximum, tag.start};
        }
        return result;
    }();
    return infos.at(size_t(which));
}

QString sliderTag(VoiceSlider which, int n)
{
    return VoiceTagTable::write(kSliders.at(size_t(which)).tag, n);
}

QString sliderValueText(VoiceSlider which, int n)
{
    return QString::number(n) + QLatin1String(slider(which).unit);
}

QString voiceTag(const QString &alias)
{
    return VoiceTagTable::writeVoice(alias);
}

QString voiceTestText(const QString &alias)
{
    return voiceTag(alias) + QStringLiteral("Test 1 2 3!");
}

} // namespace ortelia::VoiceTags
