#pragma once

#include "VoiceTable.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace ortelia {

// How a piece of text is spoken. Values are those of the voice markup, already clamped.
struct VoiceSettings {
    int voice = VoiceTable::kDefaultVoice;
    int speedPercent = 100;    // #spd=n%#, 20..250
    int basePitchHz = 50;      // #bpit=nHz#, 15..400; 50 is the voice's own pitch
    int intonationHz = 10;     // #pit=nHz#, 10..300; 10 is the voice's own intonation
    int volumePercent = 100;   // #VOL=n%dB#, 0..500
    int roughnessPercent = 0;  // #BINT=n%#, 0..250
    int echoDelayMs = 0;       // #AFX ...$123=n...#, 0..500; 0 is no echo
    double echoGain = 0.4;     // $124, 0..1
    double echoFeedback = 0.0; // $125, 0..0.9

    bool operator==(const VoiceSettings &) const = default;
    // As the speech log shows it, fields separated by tabs:
    // "lgx.de.silke spd=100% bpit=50Hz pit=10Hz vol=100% bint=0% echo=26ms,0.4,0" (delay, gain, feedback).
    QString describe() const;
};

// Text spoken in one go, with the position in the request of each of its characters.
struct SpokenLine {
    QString text;
    QList<qsizetype> sourcePositions;
};

// A run of request lines spoken with the same settings.
struct Utterance {
    VoiceSettings settings;
    QList<SpokenLine> lines;
    // The spoken lines joined by a blank, runs of blanks made one.
    QString text() const;
    // The lines as the synthesiser is given them: one text in which a line that does not end in
    // a punctuation mark is closed by a comma, so that the lines of a list get the pause at the
    // end of a clause instead of running together.
    SpokenLine speech() const;
};

// The voice markup: a tag is "#" + a key of the tag table + "=" + its value + "#", within one
// line; several may stand on a line, or one per line. Any other "#" is text. A malformed tag is
// silent and changes nothing; values outside their range are clamped; an unknown voice alias
// keeps the voice. Text outside the tags is spoken; a line enclosed in double quotes is spoken
// without them.
namespace VoiceMarkup {

// Requests are spoken up to this many characters; the rest is dropped.
inline constexpr qsizetype kMaxRequestLength = 32767;

// Splits a request (lines separated by CR LF, CR or LF) into utterances, starting from start.
QList<Utterance> interpret(const QString &request, const VoiceSettings &start);

} // namespace VoiceMarkup
} // namespace ortelia
