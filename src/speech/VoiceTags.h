#pragma once

#include <QString>

namespace ortelia {

// The six sliders of the voice settings window and the markup tag each one writes (from the
// engine's tag table).
enum class VoiceSlider { BasePitch, Speed, Intonation, Roughness, Volume, Echo };

struct VoiceSliderInfo {
    const char *tagStart; // "#spd="
    const char *tagEnd;   // "%#"
    const char *unit;     // shown after the value: "%", "Hz" or nothing
    int minimum;
    int maximum;
    int start;
};

namespace VoiceTags {

const VoiceSliderInfo &slider(VoiceSlider which);
// The tag of a slider at value n, e.g. "#VOL=120%dB#" or "#AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;#".
QString sliderTag(VoiceSlider which, int n);
// The value as the slider's value text shows it, e.g. "120%", "50Hz", "26".
QString sliderValueText(VoiceSlider which, int n);
// "#voice=name:" + alias + "#".
QString voiceTag(const QString &alias);
// The help text that makes the help window say a test phrase in that voice.
QString voiceTestText(const QString &alias);

} // namespace VoiceTags
} // namespace ortelia
