#include "SpeechTests.h"

#include "PcmEffects.h"
#include "Synthesizer.h"
#include "TestSupport.h"
#include "VoiceTable.h"

#include <QTest>

#include <cmath>

#include <dlfcn.h>

using namespace ortelia;
using namespace speechtest;

namespace {

// Median fundamental frequency of the voiced 30 ms frames, by autocorrelation (80..400 Hz).
double pitchOf(const QList<qint16> &x)
{
    const qsizetype frame = 661;
    QList<double> pitches;
    for (qsizetype s = 0; s + frame + 276 < x.size(); s += frame) {
        double energy = 0;
        for (qsizetype i = 0; i < frame; ++i)
            energy += double(x[s + i]) * x[s + i];
        if (energy / frame < 1e5)
            continue;
        double best = 0;
        int bestLag = 0;
        for (int lag = 55; lag <= 276; ++lag) {
            double product = 0;
            double shifted = 0;
            for (qsizetype i = 0; i < frame; ++i) {
                product += double(x[s + i]) * x[s + i + lag];
                shifted += double(x[s + i + lag]) * x[s + i + lag];
            }
            const double r = product / std::sqrt(energy * shifted + 1);
            if (r > best) {
                best = r;
                bestLag = lag;
            }
        }
        if (best > 0.5)
            pitches << 22050.0 / bestLag;
    }
    std::sort(pitches.begin(), pitches.end());
    return pitches.isEmpty() ? 0.0 : pitches[pitches.size() / 2];
}

// Energy of the first difference against the energy: higher for a brighter timbre.
double brightnessOf(const QList<qint16> &x)
{
    double change = 0;
    double energy = 0;
    for (qsizetype i = 1; i < x.size(); ++i) {
        change += double(x[i] - x[i - 1]) * (x[i] - x[i - 1]);
        energy += double(x[i]) * x[i];
    }
    return energy > 0 ? change / energy : 0.0;
}

// Correlation of a signal with itself lag samples later, relative to its energy.
double correlationAt(const QList<qint16> &x, qsizetype lag)
{
    double product = 0;
    double energy = 0;
    for (qsizetype i = 0; i < x.size(); ++i) {
        energy += double(x[i]) * x[i];
        if (i >= lag)
            product += double(x[i]) * x[i - lag];
    }
    return energy > 0 ? product / energy : 0.0;
}

// The samples after the effects of settings, the echo's tail included.
QList<qint16> withEffects(const VoiceSettings &settings, const QList<qint16> &input)
{
    PcmEffects effects(settings, 22050);
    QList<qint16> out;
    effects.process(input.constData(), input.size(), out);
    effects.finish(out);
    return out;
}

} // namespace

void SpeechSoundTest::initTestCase()
{
    QVERIFY(useSpeechDataWithoutGreek());
}

void SpeechSoundTest::init()
{
    resetEngine();
}

void SpeechSoundTest::volumeScalesAndLimits()
{
    const QList<qint16> input = {0, 1000, -1000, 20000, -20000, 30000, -30000};
    const auto apply = [&](int volume) {
        VoiceSettings s;
        s.volumePercent = volume;
        return withEffects(s, input);
    };
    QCOMPARE(apply(100), input);
    QCOMPARE(apply(50), (QList<qint16>{0, 500, -500, 10000, -10000, 15000, -15000}));
    QCOMPARE(apply(0), QList<qint16>(input.size(), 0));
    // Halves round away from zero.
    VoiceSettings half;
    half.volumePercent = 50;
    QCOMPARE(withEffects(half, {1, -1, 3, -3, 5}), (QList<qint16>{1, -1, 2, -2, 3}));
    // At 100 % a full-scale peak is still limited, and the gain comes back afterwards.
    QList<qint16> peak(22050, 10000);
    peak[0] = 32767;
    const QList<qint16> limited = withEffects(VoiceSettings(), peak);
    QVERIFY(limited[0] < 32767 && limited[1] < 10000);
    QCOMPARE(limited.last(), qint16(10000));

    // Speech at 500 %: much louder, yet no peak reaches full scale.
    const QString text = QStringLiteral("Guten Morgen, wie geht es Ihnen heute");
    const QList<qint16> normal = record(text);
    const QList<qint16> loud = record(QStringLiteral("#VOL=500%dB#") + text);
    QVERIFY(rms(loud) > 2.5 * rms(normal));
    const auto [low, high] = std::minmax_element(loud.begin(), loud.end());
    QVERIFY2(*high < 32767 && *low > -32768, qPrintable(QStringLiteral("%1 %2").arg(*low).arg(*high)));
}

void SpeechSoundTest::echoAddsADelayedCopy()
{
    VoiceSettings s;
    s.echoDelayMs = 100;
    QList<qint16> input(3000, 0);
    input[0] = 10000;
    input[10] = -5000;
    QList<qint16> out = withEffects(s, input);
    const int delay = 2205;
    QCOMPARE(out.size(), input.size() + delay);
    QCOMPARE(out[0], qint16(10000));
    QCOMPARE(out[delay], qint16(4000));
    QCOMPARE(out[delay + 10], qint16(-2000));
    QCOMPARE(out[delay - 1], qint16(0));
    QCOMPARE(out[2 * delay], qint16(0));

    // Feedback repeats the echo, each time weaker.
    s.echoFeedback = 0.5;
    out = withEffects(s, input);
    QCOMPARE(out[delay], qint16(4000));
    QCOMPARE(out[2 * delay], qint16(2000));
    QCOMPARE(out[3 * delay], qint16(1000));
}

void SpeechSoundTest::roughnessModulatesTheAmplitude()
{
    const QList<qint16> input(22050, 10000);
    const auto apply = [&](int roughness) {
        VoiceSettings s;
        s.roughnessPercent = roughness;
        return withEffects(s, input);
    };
    QCOMPARE(apply(0), input);
    const QList<qint16> rough = apply(250);
    QCOMPARE(rough.size(), input.size());
    const auto [low, high] = std::minmax_element(rough.begin(), rough.end());
    QVERIFY(*high <= 10000);
    QVERIFY2(*low < 2000, "the modulation reaches deep");
    // 25..45 modulation cycles per second: count the returns to full amplitude.
    int peaks = 0;
    for (qsizetype i = 1; i < rough.size(); ++i)
        peaks += rough[i] >= 9990 && rough[i - 1] < 9990;
    QVERIFY2(peaks >= 20 && peaks <= 50, qPrintable(QString::number(peaks)));
    QVERIFY(rms(apply(43)) > rms(rough));
}

void SpeechSoundTest::eSpeakIsOfferedNoPlaybackDevice()
{
    // The executable's definition is the one the dynamic linker gives eSpeak NG's library.
    QCOMPARE(dlsym(RTLD_DEFAULT, "create_audio_device_object"),
             reinterpret_cast<void *>(&create_audio_device_object));
    QCOMPARE(create_audio_device_object(nullptr, "eSpeak", "Text-to-Speech"), nullptr);
}

void SpeechSoundTest::speechIsRecorded()
{
    // eSpeak NG carries some state from one text to the next, so two recordings of the same
    // text differ slightly: they are compared by their measures, not sample by sample.
    const QString voice = QStringLiteral("#voice=name:lgx.de.silke#\n");
    const QString text = QStringLiteral("Hallo Welt");
    const QList<qint16> normal = record(voice + text);
    QVERIFY(normal.size() > 22050 / 2);
    QVERIFY(rms(normal) > 500);

    const QList<qint16> fast = record(voice + QStringLiteral("#spd=200%#\n") + text);
    QVERIFY2(fast.size() < normal.size() * 0.7, "double speed is clearly shorter");
    const QList<qint16> slow = record(voice + QStringLiteral("#spd=20%#\n") + text);
    QVERIFY2(slow.size() > normal.size() * 2, "the least speed is clearly longer");

    const QList<qint16> quiet = record(voice + QStringLiteral("#VOL=50%dB#\n") + text);
    QVERIFY(near(double(quiet.size()), double(normal.size()), 0.01));
    const double ratio = rms(quiet) / rms(normal);
    QVERIFY2(ratio > 0.45 && ratio < 0.55, qPrintable(QString::number(ratio)));

    // The echo: 200 ms longer, and the speech correlates with itself 200 ms later.
    const QList<qint16> echo =
        record(voice + QStringLiteral("#AFX =DL122=1:$123=200.0,$124=0.4,$125=0.0;#\n") + text);
    const qsizetype delay = 4410;
    QVERIFY(near(double(echo.size()), double(normal.size() + delay), 0.01));
    const double withEcho = correlationAt(echo, delay);
    const double without = correlationAt(normal, delay);
    QVERIFY2(withEcho > 0.25 && without < 0.1,
             qPrintable(QStringLiteral("%1 %2").arg(withEcho).arg(without)));

    // Roughness keeps the length and takes energy away.
    const QList<qint16> rough = record(voice + QStringLiteral("#BINT=250%#\n") + text);
    QVERIFY(near(double(rough.size()), double(normal.size()), 0.01));
    QVERIFY(rms(rough) < 0.9 * rms(normal));
}

void SpeechSoundTest::voicesSoundDifferent()
{
    const QString text = QStringLiteral("Guten Morgen, wie geht es Ihnen heute");
    const auto voice = [&](const char *alias) {
        return record(QStringLiteral("#voice=name:%1#%2").arg(QLatin1String(alias), text));
    };
    const QList<qint16> bill = voice("lgx.de.bill");
    const QList<qint16> martin = voice("lgx.de.martin");
    const QList<qint16> silke = voice("lgx.de.silke");
    const QList<qint16> johanna = voice("lgx.de.johanna");
    const QList<qint16> help = voice("lgx.de.silkrvlg");
    for (const QList<qint16> &male : {bill, martin})
        QVERIFY2(pitchOf(male) > 80 && pitchOf(male) < 140, qPrintable(QString::number(pitchOf(male))));
    for (const QList<qint16> &female : {silke, johanna, help})
        QVERIFY2(pitchOf(female) > 160 && pitchOf(female) < 260,
                 qPrintable(QString::number(pitchOf(female))));
    QVERIFY(!near(brightnessOf(bill), brightnessOf(martin), 0.08));
    QVERIFY(!near(brightnessOf(silke), brightnessOf(johanna), 0.05));

    // Without a voice tag the selected voice speaks.
    engine().select(VoiceTable::find(QStringLiteral("lgx.de.martin")));
    const QList<qint16> selected = record(text);
    QVERIFY(near(brightnessOf(selected), brightnessOf(martin), 0.02));
    QVERIFY(near(pitchOf(selected), pitchOf(martin), 0.05));

    // A higher base pitch raises the voice.
    QVERIFY(pitchOf(record(QStringLiteral("#bpit=200Hz#") + text)) > 1.2 * pitchOf(martin));
}

void SpeechSoundTest::wordsAreReportedWithTheirPlaceInTheRequest()
{
    const QString request = QStringLiteral(
        "#voice=name:lgx.de.silke#\r\nGrüße aus Köln\r\n\"schöne Straße\"\r\n#spd=150%#Übermorgen");
    QList<Word> words;
    const QList<qint16> samples = record(request, &words);
    QVERIFY(!samples.isEmpty());
    QList<Word> expected;
    for (const char *word : {"Grüße", "aus", "Köln", "schöne", "Straße", "Übermorgen"}) {
        const QString w = QString::fromUtf8(word);
        expected << Word(int(request.indexOf(w)), int(w.size()));
    }
    QCOMPARE(words, expected);
}

void SpeechSoundTest::logShowsEachUtterance()
{
    const test::SpeechLog log;
    record(QStringLiteral(
        "#voice=name:lgx.de.silke# #VOL=9999%dB#\r\nHallo Welt\r\n#spd=abc%#\r\n#spd=200%#Tschüss"));
    qunsetenv("ORTELIA_SPEECH_LOG");
    const QStringList lines = log.lines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("lgx.de.silke\tspd=100%\tbpit=50Hz\tpit=10Hz\tvol=500%\tbint=0%\t"
                                      "echo=0ms,0.4,0\tHallo Welt"));
    QVERIFY(lines[1].startsWith(QStringLiteral("lgx.de.silke\tspd=200%")));
    QVERIFY(lines[1].endsWith(QStringLiteral("\tTschüss")));
}

void SpeechSoundTest::linesOfAListArePaused()
{
    const qsizetype together = record(QStringLiteral("eins zwei drei")).size();
    QList<Word> words;
    const QString list = QStringLiteral("eins\nzwei\ndrei");
    const qsizetype lines = record(list, &words).size();
    // Two pauses at the end of a clause, of well over 100 ms each.
    QVERIFY2(lines - together > engine().sampleRate() / 5,
             qPrintable(QStringLiteral("%1 %2").arg(lines).arg(together)));
    QCOMPARE(words, (QList<Word>{{0, 4}, {5, 4}, {10, 4}}));
}
