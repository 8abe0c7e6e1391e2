#include "Synthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace ortelia {

namespace {

// The synthesis in progress; eSpeak's callback has no context of its own.
struct Run {
    const Synthesizer::Receiver *receiver;
    std::vector<int> utf16Index; // code point index -> QString position
    QList<SynthesizedWord> words;
};
thread_local Run *t_run = nullptr;

int onSynthesized(short *wav, int count, espeak_EVENT *events)
{
    Run *run = t_run;
    if (!run)
        return 1;
    run->words.clear();
    const int points = int(run->utf16Index.size()) - 1;
    for (espeak_EVENT *event = events; event && event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (event->type != espeakEVENT_WORD || event->length <= 0)
            continue;
        // text_position counts code points from 1.
        const int first = std::clamp(event->text_position - 1, 0, points);
        const int last = std::clamp(first + event->length, 0, points);
        const int start = run->utf16Index[size_t(first)];
        run->words << SynthesizedWord{event->sample, start, run->utf16Index[size_t(last)] - start};
    }
    if (count <= 0 && run->words.isEmpty())
        return 0;
    return (*run->receiver)(reinterpret_cast<const qint16 *>(wav), std::max(count, 0), run->words) ? 0 : 1;
}

// Maps value onto 0..100 logarithmically: low -> 0, middle -> 50, high -> 100.
int logScale(int value, double low, double middle, double high)
{
    const double v = std::clamp(double(value), low, high);
    if (v < middle)
        return int(std::lround(50.0 * std::log(v / low) / std::log(middle / low)));
    return int(std::lround(50.0 + 50.0 * std::log(v / middle) / std::log(high / middle)));
}

} // namespace

// eSpeak NG asks its sound library for a playback device as it starts, even when it only hands the
// samples back: the library opens and drops a stream on the sound server (or finds none), which
// costs about a millisecond and a server round trip before every command's first word. This
// program plays the samples itself, so it answers the question: no device. The executables export
// this definition (CMakeLists.txt), which the dynamic linker then prefers to the sound library's;
// eSpeak NG runs without a device in its synchronous mode.
extern "C" struct audio_object *create_audio_device_object(const char *, const char *, const char *)
{
    return nullptr;
}

Synthesizer::Synthesizer()
{
    // 50 ms buffers: the first audio of a request arrives after little work.
    m_sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 50, nullptr, 0);
    if (m_sampleRate <= 0) {
        m_sampleRate = 0;
        return;
    }
    espeak_SetSynthCallback(onSynthesized);
    // A language without its dictionary, or a variant without its file, cannot be loaded.
    const char *path = nullptr;
    espeak_Info(&path);
    m_dataPath = QString::fromLocal8Bit(path);
    const QDir data(m_dataPath);
    for (int i = 0; i < VoiceTable::count(); ++i) {
        const VoiceInfo &voice = VoiceTable::at(i);
        m_loadable.push_back(data.exists(QLatin1String(voice.language) + QLatin1String("_dict")) &&
                             data.exists(QLatin1String("voices/!v/") + QLatin1String(voice.variant)));
    }
}

bool Synthesizer::canLoad(int voice) const
{
    return voice >= 0 && size_t(voice) < m_loadable.size() && m_loadable[size_t(voice)];
}

Synthesizer::~Synthesizer()
{
    if (isAvailable())
        espeak_Terminate();
}

QByteArray Synthesizer::languageFile(const char *language) const
{
    // eSpeak NG finds a bare language name by reading every voice file it has, which takes
    // longer than the speech of a sentence; a path below "lang/" it loads at once, the same voice.
    const QDir lang(m_dataPath + QLatin1String("/lang"));
    const QString name = QString::fromLatin1(language);
    if (!QFileInfo(lang.filePath(name)).isFile()) {
        for (const QString &family : lang.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (QFileInfo(lang.filePath(family + u'/' + name)).isFile())
                return (family + u'/' + name).toLatin1();
        }
    }
    return language;
}

int Synthesizer::pitchFor(int basePitchHz)
{
    return logScale(basePitchHz, 15, 50, 400);
}

int Synthesizer::rangeFor(int intonationHz)
{
    return logScale(std::max(intonationHz, 10), 10, 10, 300);
}

bool Synthesizer::synthesize(const VoiceSettings &settings, const QString &text, const Receiver &receiver)
{
    if (!isAvailable())
        return false;
    if (settings.voice != m_voice) {
        const VoiceInfo &voice = VoiceTable::at(settings.voice);
        const QByteArray name = languageFile(voice.language) + '+' + voice.variant;
        if (espeak_SetVoiceByName(name.constData()) != EE_OK)
            return false;
        m_voice = settings.voice;
    }
    const int wordsPerMinute = espeakRATE_NORMAL * settings.speedPercent / 100;
    const int rate = std::max(wordsPerMinute, int(espeakRATE_MINIMUM));
    // Slower than eSpeak's least rate: stretch each word's share of a minute with a pause (10 ms units).
    const int gap = wordsPerMinute < rate ? (60000 / wordsPerMinute - 60000 / rate) / 10 : 0;
    espeak_SetParameter(espeakRATE, rate, 0);
    espeak_SetParameter(espeakWORDGAP, gap, 0);
    espeak_SetParameter(espeakPITCH, pitchFor(settings.basePitchHz), 0);
    espeak_SetParameter(espeakRANGE, rangeFor(settings.intonationHz), 0);

    Run run{&receiver, {}, {}};
    run.utf16Index.reserve(size_t(text.size()) + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            continue;
        run.utf16Index.push_back(int(i));
    }
    run.utf16Index.push_back(int(text.size()));

    const QByteArray utf8 = text.toUtf8();
    // eSpeak NG draws its noise and pitch flutter from rand(): a fixed seed makes the same text
    // sound the same every time.
    std::srand(1);
    t_run = &run;
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, nullptr);
    t_run = nullptr;
    return result == EE_OK;
}

} // namespace ortelia
