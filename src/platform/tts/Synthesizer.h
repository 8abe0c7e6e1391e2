#pragma once

#include "VoiceMarkup.h"

#include <QList>
#include <QString>

#include <functional>
#include <vector>

// eSpeak NG's question to its sound library for a playback device, which this program answers
// itself: no device (see Synthesizer.cpp).
extern "C" struct audio_object *create_audio_device_object(const char *, const char *, const char *);

namespace ortelia {

// A word as the synthesiser reports it: the sample at which it starts (from the start of the
// text) and its place in the text (QString positions).
struct SynthesizedWord {
    qint64 sample;
    int start;
    int length;
};

// eSpeak NG behind one small interface. eSpeak NG keeps global state: one Synthesizer per
// process, and all calls after construction from one thread at a time.
//
// Voice settings are mapped onto eSpeak NG as follows:
// - speed n % is n % of eSpeak's normal 175 words per minute; below eSpeak's least rate of 80
//   words per minute (n < 46) the pauses between words lengthen instead;
// - base pitch n Hz sets eSpeak's pitch (0..100, the voice's own at 50) on a logarithmic scale:
//   50 Hz gives 50, 15 Hz gives 0, 400 Hz gives 100;
// - intonation n Hz sets eSpeak's pitch range the same way: 10 Hz gives the voice's own
//   range 50, 300 Hz gives 100.
class Synthesizer {
public:
    // Receives the audio of one buffer and the words that start in it; returning false stops.
    using Receiver =
        std::function<bool(const qint16 *samples, int count, const QList<SynthesizedWord> &words)>;

    Synthesizer();
    ~Synthesizer();
    Synthesizer(const Synthesizer &) = delete;
    Synthesizer &operator=(const Synthesizer &) = delete;

    bool isAvailable() const { return m_sampleRate > 0; }
    // Whether eSpeak NG has the data of that voice's language and variant.
    bool canLoad(int voice) const;
    int sampleRate() const { return m_sampleRate; }

    // Synthesises text with the settings' voice, speed, pitch and range (not the PCM effects).
    // False when the receiver stopped it or the synthesiser failed.
    bool synthesize(const VoiceSettings &settings, const QString &text, const Receiver &receiver);

    static int pitchFor(int basePitchHz);
    static int rangeFor(int intonationHz);

private:
    // The language's voice file as a path below eSpeak NG's "lang/" folder, such as "gmw/de".
    QByteArray languageFile(const char *language) const;

    QString m_dataPath;
    int m_sampleRate = 0;
    int m_voice = -1; // the voice eSpeak NG has loaded
    std::vector<bool> m_loadable;
};

} // namespace ortelia
