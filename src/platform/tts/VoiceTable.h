#pragma once

#include <QString>
#include <QStringView>

namespace ortelia {

// The installed voices, listed by the alias that the voice markup names ("lgx.de.silke").
// Each alias is an eSpeak NG language with a voice variant.
struct VoiceInfo {
    const char *alias;
    const char *language; // eSpeak NG language, e.g. "de"
    const char *variant;  // eSpeak NG variant, e.g. "f2"
};

namespace VoiceTable {

int count();
const VoiceInfo &at(int index);
QString alias(int index);
// Index of the voice with that alias (compared without regard to case); -1 when none.
int find(const QString &alias);
// The same speaker in another language ("en"): the voice of that language with the same variant;
// -1 for a language without voices or an unknown voice.
int inLanguage(int voice, QStringView language);
// The voice used when a request names none: the German male speaker.
inline constexpr int kDefaultVoice = 0;

} // namespace VoiceTable
} // namespace ortelia
