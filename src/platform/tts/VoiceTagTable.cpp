#include "VoiceTagTable.h"

#include <array>

namespace ortelia::VoiceTagTable {

namespace {
constexpr std::array<VoiceTagInfo, 7> kTags = {{
    {VoiceTag::Voice, "voice", "#voice=name:", "#", "", 0, 0, 0},
    {VoiceTag::Speed, "spd", "#spd=", "%#", "%", 20, 250, 100},
    {VoiceTag::BasePitch, "bpit", "#bpit=", "Hz#", "Hz", 15, 400, 50},
    {VoiceTag::Intonation, "pit", "#pit=", "Hz#", "Hz", 10, 300, 10},
    {VoiceTag::Volume, "VOL", "#VOL=", "%dB#", "%dB", 0, 500, 100},
    {VoiceTag::Roughness, "BINT", "#BINT=", "%#", "%", 0, 250, 0},
    {VoiceTag::Echo, "AFX", "#AFX =DL122=1:$123=", ".0,$124=0.4,$125=0.0;#", "", 0, 500, 50},
}};
} // namespace

const VoiceTagInfo &info(VoiceTag tag)
{
    return kTags.at(size_t(tag));
}

const VoiceTagInfo *find(QStringView key)
{
    const QStringView wanted = key.trimmed();
    for (const VoiceTagInfo &tag : kTags) {
        if (wanted.compare(QLatin1String(tag.key), Qt::CaseInsensitive) == 0)
            return &tag;
    }
    return nullptr;
}

QString write(VoiceTag tag, int n)
{
    const VoiceTagInfo &t = info(tag);
    return QLatin1String(t.prefix) + QString::number(n) + QLatin1String(t.suffix);
}

QString writeVoice(const QString &alias)
{
    const VoiceTagInfo &t = info(VoiceTag::Voice);
    return QLatin1String(t.prefix) + alias + QLatin1String(t.suffix);
}

} // namespace ortelia::VoiceTagTable
