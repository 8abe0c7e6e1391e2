#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>

namespace ortelia {

// The tags of the voice markup. The markup parser reads them and the voice settings window writes
// them, both from this one table.
enum class VoiceTag { Voice, Speed, BasePitch, Intonation, Volume, Roughness, Echo };

struct VoiceTagInfo {
    VoiceTag tag;
    const char *key;    // between "#" and "=", compared without regard to case: "spd"
    const char *prefix; // as written, up to the value: "#spd="
    const char *suffix; // as written, after the value: "%#"
    const char *unit;   // what must follow the number when read: "%", "Hz", "%dB"
    int minimum;        // values outside minimum..maximum are clamped
    int maximum;
    int start; // the voice settings window's start value
};

namespace VoiceTagTable {

// The voice line of a list before a voice is chosen for it: the standard speaker, which changes
// nothing and is not spoken.
inline constexpr QLatin1String kStandardSpeaker("#Standar Sprecher#");

const VoiceTagInfo &info(VoiceTag tag);
// The tag of that key (blanks around it ignored); nullptr when no tag has it.
const VoiceTagInfo *find(QStringView key);
// Keys are at most this long; a "#" followed by more than this before its "=" starts no tag.
inline constexpr qsizetype kLongestKey = 5;
// The tag as written with value n: "#spd=120%#", "#AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;#".
QString write(VoiceTag tag, int n);
// "#voice=name:" + alias + "#".
QString writeVoice(const QString &alias);

} // namespace VoiceTagTable
} // namespace ortelia
