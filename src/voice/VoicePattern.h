#pragma once

#include "FileSave.h"

#include "VoiceTags.h"

#include <QString>
#include <QStringList>

#include <array>

namespace ortelia {

// The voice pattern being built in the voice settings window: the voice line and the six
// slider markers, each empty until set. It knows the order in which the lines go into a profile,
// which is not the order of the sliders.
class VoicePattern {
public:
    void setVoiceLine(const QString &line) { m_voiceLine = line; }
    const QString &voiceLine() const { return m_voiceLine; }

    // The marker of a slider at value n (clamped into the slider's range).
    void setMarker(VoiceSlider slider, int n);
    void clearMarker(VoiceSlider slider);
    void clearMarkers();
    const QString &marker(VoiceSlider slider) const;

    // Voice line, volume, echo, base pitch, speed, intonation, roughness: the stored profile.
    QStringList profileLines(const QString &voiceLine) const;
    QStringList profileLines() const { return profileLines(m_voiceLine); }
    // The same followed by a sentence to say in that voice.
    QStringList testLines(const QString &voiceLine, const QString &sentence) const;

    // Writes the profile file atomically in the program's text file rules: a failed write leaves
    // the old profile whole. False when it could not be written.
    static SaveResult store(const QString &path, const QStringList &lines);

private:
    QString m_voiceLine;
    std::array<QString, 6> m_markers;
};

} // namespace ortelia
