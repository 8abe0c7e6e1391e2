#include "VoicePattern.h"

#include "TextFile.h"

#include <algorithm>

namespace ortelia {

namespace {

constexpr VoiceSlider kProfileOrder[] = {VoiceSlider::Volume,     VoiceSlider::Echo,
                                         VoiceSlider::BasePitch,  VoiceSlider::Speed,
                                         VoiceSlider::Intonation, VoiceSlider::Roughness};

} // namespace

void VoicePattern::setMarker(VoiceSlider slider, int n)
{
    const VoiceSliderInfo &info = VoiceTags::slider(slider);
    m_markers[std::size_t(slider)] = VoiceTags::sliderTag(slider, std::clamp(n, info.minimum, info.maximum));
}

void VoicePattern::clearMarker(VoiceSlider slider)
{
    m_markers[std::size_t(slider)].clear();
}

void VoicePattern::clearMarkers()
{
    for (QString &marker : m_markers)
        marker.clear();
}

const QString &VoicePattern::marker(VoiceSlider slider) const
{
    return m_markers[std::size_t(slider)];
}

QStringList VoicePattern::profileLines(const QString &voiceLine) const
{
    QStringList lines{voiceLine};
    for (VoiceSlider slider : kProfileOrder)
        lines << marker(slider);
    return lines;
}

QStringList VoicePattern::testLines(const QString &voiceLine, const QString &sentence) const
{
    return profileLines(voiceLine) << sentence;
}

SaveResult VoicePattern::store(const QString &path, const QStringList &lines)
{
    return TextFile::writeLines(path, lines);
}

} // namespace ortelia
