#include "PcmEffects.h"
#include "SpeechEngine.h"
#include "Synthesizer.h"
#include "TestSinks.h"
#include "TestSupport.h"
#include "VoiceMarkup.h"
#include "VoiceTable.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <thread>

#include <dlfcn.h>

using namespace ortelia;

namespace {

using Word = QPair<int, int>;

// The utterances of a request spoken from the default settings.
QList<Utterance> interpret(const QString &request)
{
    return VoiceMarkup::interpret(request, VoiceSettings());
}

QStringList spokenTexts(const QString &request)
{
    QStringList texts;
    for (const Utterance &u : interpret(request))
        texts << u.text();
    return texts;
}

VoiceSettings settingsAfter(const QString &tags)
{
    const QList<Utterance> utterances = interpret(tags + QStringLiteral("x"));
    return utterances.isEmpty() ? VoiceSettings() : utterances.first().settings;
}

double rms(const QList<qint16> &samples)
{
    double sum = 0;
    for (qint16 s : samples)
        sum += double(s) * s;
    return samples.isEmpty() ? 0.0 : std::sqrt(sum / double(samples.size()));
}

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

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance * std::max(a, b);
}

} // namespace

class TtsTest : public QObject {
    Q_OBJECT

private:
    SpeechEngine &engine() { return SpeechEngine::instance(); }
    test::TapeSink *m_tape = nullptr;
    QTemporaryDir m_data;

    // Speaks a request into a recording and returns the samples and the words heard.
    QList<qint16> record(const QString &request, QList<Word> *words = nullptr)
    {
        auto sink = std::make_unique<RecordingSink>(engine().sampleRate());
        RecordingSink *recording = sink.get();
        engine().setOutput(std::move(sink));
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        QSignalSpy spoken(&engine(), &SpeechEngine::wordSpoken);
        engine().speak(request);
        if (!finished.wait(20000))
            return {};
        if (words) {
            for (const QList<QVariant> &args : spoken)
                *words << Word(args.at(0).toInt(), args.at(1).toInt());
        }
        return recording->samples();
    }

    void useNullSink()
    {
        engine().setOutput(std::make_unique<PacedSink>(SinkFormat{engine().sampleRate(), 1}));
    }

    // A sink that keeps what it plays, at real-time pace.
    test::TapeSink *useTape()
    {
        auto sink = std::make_unique<test::TapeSink>(SinkFormat{engine().sampleRate(), 1});
        test::TapeSink *tape = sink.get();
        engine().setOutput(std::move(sink));
        return tape;
    }

    // Counts to ten on the null sink, which plays at real-time pace.
    void countToTen()
    {
        m_tape = useTape();
        engine().speak(QStringLiteral("eins zwei drei vier fünf sechs sieben acht neun zehn"));
    }

private slots:
    void initTestCase()
    {
        // eSpeak NG's data without Greek, before the engine starts.
        const QDir data(QStringLiteral(ESPEAK_NG_DATA));
        QVERIFY(data.exists(QStringLiteral("de_dict")));
        QVERIFY(QDir(m_data.path()).mkdir(QStringLiteral("espeak-ng-data")));
        for (const QString &entry : data.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (entry != QLatin1String("el_dict"))
                QFile::link(data.filePath(entry), m_data.filePath(QStringLiteral("espeak-ng-data/") + entry));
        }
        qputenv("ESPEAK_DATA_PATH", QFile::encodeName(m_data.path()));
    }

    void init()
    {
        engine().stop();
        engine().select(VoiceTable::kDefaultVoice);
    }

    void voicesByAlias()
    {
        for (const char *alias : {"lgx.de.bill", "lgx.de.martin", "lgx.de.silke", "lgx.de.johanna",
                                  "lgx.de.silkrvlg", "lgx.en.bill"}) {
            QVERIFY2(VoiceTable::find(QLatin1String(alias)) >= 0, alias);
        }
        for (const char *language : {"en", "fr", "it", "es", "el", "ar"}) {
            bool found = false;
            for (int i = 0; i < engine().count(); ++i)
                found = found ||
                        engine().alias(i).startsWith(QStringLiteral("lgx.%1.").arg(QLatin1String(language)));
            QVERIFY2(found, language);
        }
        QCOMPARE(VoiceTable::find(QStringLiteral("LGX.DE.Silke")),
                 VoiceTable::find(QStringLiteral("lgx.de.silke")));
        QCOMPARE(engine().alias(engine().count()), QString());

        const int silke = VoiceTable::find(QStringLiteral("lgx.de.silke"));
        engine().select(silke);
        QCOMPARE(engine().current(), silke);
        engine().select(-1);
        engine().select(engine().count());
        QCOMPARE(engine().current(), silke);
    }

    void tagsSetTheSettings()
    {
        const VoiceSettings s = settingsAfter(QStringLiteral(
            "#voice=name:lgx.de.silke# #spd=150%# #bpit=80Hz# #pit=40Hz# #VOL=120%dB# #BINT=43%# "
            "#AFX =DL122=1:$123=200.0,$124=0.4,$125=0.0;#"));
        QCOMPARE(s.voice, VoiceTable::find(QStringLiteral("lgx.de.silke")));
        QCOMPARE(s.speedPercent, 150);
        QCOMPARE(s.basePitchHz, 80);
        QCOMPARE(s.intonationHz, 40);
        QCOMPARE(s.volumePercent, 120);
        QCOMPARE(s.roughnessPercent, 43);
        QCOMPARE(s.echoDelayMs, 200);
        QCOMPARE(s.echoGain, 0.4);
        QCOMPARE(s.echoFeedback, 0.0);

        // The help voice line: three tags on one line.
        const VoiceSettings help = settingsAfter(QStringLiteral(
            "#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#"));
        QCOMPARE(VoiceTable::alias(help.voice), QStringLiteral("lgx.de.silkrvlg"));
        QCOMPARE(help.echoDelayMs, 26);
        QCOMPARE(help.roughnessPercent, 43);
        // An echo switched off by its first parameter.
        QCOMPARE(settingsAfter(QStringLiteral("#AFX =DL122=0:$123=200.0,$124=0.4,$125=0.0;#")).echoDelayMs,
                 0);
    }

    void valuesAreClamped_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("expected");
        QTest::newRow("spd low") << "#spd=5%#" << 20;
        QTest::newRow("spd high") << "#spd=900%#" << 250;
        QTest::newRow("spd negative") << "#spd=-40%#" << 20;
        QTest::newRow("bpit low") << "#bpit=1Hz#" << 15;
        QTest::newRow("bpit high") << "#bpit=4000Hz#" << 400;
        QTest::newRow("pit low") << "#pit=0Hz#" << 10;
        QTest::newRow("pit high") << "#pit=301Hz#" << 300;
        QTest::newRow("VOL high") << "#VOL=9999%dB#" << 500;
        QTest::newRow("VOL huge") << "#VOL=99999999999999999999%dB#" << 500;
        QTest::newRow("BINT high") << "#BINT=251%#" << 250;
        QTest::newRow("echo high") << "#AFX =DL122=1:$123=9000.0,$124=0.4,$125=0.0;#" << 500;
    }

    void valuesAreClamped()
    {
        QFETCH(QString, tag);
        QFETCH(int, expected);
        const VoiceSettings s = settingsAfter(tag);
        const QList<int> values = {s.speedPercent,  s.basePitchHz,      s.intonationHz,
                                   s.volumePercent, s.roughnessPercent, s.echoDelayMs};
        QVERIFY2(values.contains(expected), qPrintable(s.describe()));
        QCOMPARE(interpret(tag + QStringLiteral("Hallo")).first().text(), QStringLiteral("Hallo"));
    }

    void badTagsAreSilentAndChangeNothing_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("spd abc") << "#spd=abc%#Hallo" << QStringList{"Hallo"};
        QTest::newRow("volume without dB") << "#VOL=50%#Hallo" << QStringList{"Hallo"};
        QTest::newRow("volume without %") << "#VOL=50dB#Hallo" << QStringList{"Hallo"};
        QTest::newRow("upper case key") << "#SPD=abc%#Hallo" << QStringList{"Hallo"};
        QTest::newRow("echo malformed") << "#AFX =DL122=1:$123=abc,$124=0.4;#Hallo" << QStringList{"Hallo"};
        QTest::newRow("unknown voice") << "#voice=name:lgx.xx.nobody#Hallo" << QStringList{"Hallo"};
        QTest::newRow("markup only") << "#voice=name:lgx.de.silke#\r\n#spd=100%#\r\n\r\n" << QStringList{};
        QTest::newRow("standard speaker") << "#Standar Sprecher#\nHallo" << QStringList{"Hallo"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void badTagsAreSilentAndChangeNothing()
    {
        QFETCH(QString, request);
        QFETCH(QStringList, spoken);
        QCOMPARE(spokenTexts(request), spoken);
        for (const Utterance &u : interpret(request))
            QCOMPARE(u.settings, VoiceSettings());
    }

    void aHashOutsideATagIsText_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("numbers") << "Zimmer #3 und Zimmer #4 frei"
                                 << "Zimmer #3 und Zimmer #4 frei";
        QTest::newRow("after a letter") << "C# ist toll"
                                        << "C# ist toll";
        QTest::newRow("unknown key") << "Hal#foo=1#lo"
                                     << "Hal#foo=1#lo";
        QTest::newRow("no equals") << "#hallo# Welt"
                                   << "#hallo# Welt";
        QTest::newRow("unterminated") << "Hallo #spd=200%"
                                      << "Hallo #spd=200%";
        QTest::newRow("lone") << "#"
                              << "#";
        QTest::newRow("beside a tag") << "Nummer #5 #spd=150%#sofort"
                                      << "Nummer #5|sofort";
    }

    void aHashOutsideATagIsText()
    {
        QFETCH(QString, request);
        QFETCH(QString, spoken);
        QCOMPARE(spokenTexts(request).join(QLatin1Char('|')), spoken);
    }

    void requestsAreSplitIntoUtterances()
    {
        // Quotes around a whole line are not spoken; a byte-order mark is not either.
        QCOMPARE(spokenTexts(QStringLiteral("\"Hallo Welt\"")), QStringList{"Hallo Welt"});
        QCOMPARE(spokenTexts(QStringLiteral("  \"Hallo\"  ")), QStringList{"Hallo"});
        QCOMPARE(spokenTexts(QStringLiteral("\"")), QStringList{"\""});
        QCOMPARE(spokenTexts(QString(QChar(0xFEFF)) + QStringLiteral("#spd=120%#\r\nHallo")),
                 QStringList{"Hallo"});

        // Lines with the same settings form one utterance; a change of settings starts the next.
        const QList<Utterance> u =
            interpret(QStringLiteral("#voice=name:lgx.de.silke#\r\neins\r\nzwei #spd=100%# "
                                     "drei\r\n#spd=150%#vier\r\n#voice=name:lgx.en.bill#five"));
        QCOMPARE(u.size(), 3);
        QCOMPARE(u[0].text(), QStringLiteral("eins zwei drei"));
        QCOMPARE(u[1].text(), QStringLiteral("vier"));
        QCOMPARE(u[1].settings.speedPercent, 150);
        QCOMPARE(u[2].text(), QStringLiteral("five"));
        QCOMPARE(VoiceTable::alias(u[2].settings.voice), QStringLiteral("lgx.en.bill"));
        QCOMPARE(u[2].settings.speedPercent, 150);

        // Every spoken character knows its place in the request.
        const QString request = QStringLiteral("#spd=120%#\r\n\"Grüße #VOL=90%dB#aus Köln\"");
        const QList<Utterance> parts = interpret(request);
        QCOMPARE(parts.size(), 2);
        const SpokenLine &line = parts[1].lines.first();
        QCOMPARE(line.text, QStringLiteral("aus Köln"));
        QCOMPARE(line.sourcePositions.first(), request.indexOf(QStringLiteral("aus")));
        QCOMPARE(line.sourcePositions.last(), request.indexOf(QStringLiteral("Köln")) + 3);
    }

    void hugeRequestIsCapped()
    {
        QString request = QStringLiteral("#spd=150%#");
        while (request.size() < 1024 * 1024)
            request += QStringLiteral("Wort ");
        QElapsedTimer clock;
        clock.start();
        const QList<Utterance> utterances = interpret(request);
        QCOMPARE(utterances.size(), 1);
        QVERIFY(utterances.first().text().size() <= VoiceMarkup::kMaxRequestLength);
        QVERIFY(utterances.first().text().size() > VoiceMarkup::kMaxRequestLength - 20);
    }

    void pitchMapping()
    {
        QCOMPARE(Synthesizer::pitchFor(50), 50);
        QCOMPARE(Synthesizer::pitchFor(15), 0);
        QCOMPARE(Synthesizer::pitchFor(400), 100);
        QVERIFY(Synthesizer::pitchFor(30) < 50 && Synthesizer::pitchFor(100) > 50);
        QCOMPARE(Synthesizer::rangeFor(10), 50);
        QCOMPARE(Synthesizer::rangeFor(300), 100);
        QVERIFY(Synthesizer::rangeFor(60) > 50 && Synthesizer::rangeFor(60) < 100);
    }

    void volumeScalesAndLimits()
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

    void echoAddsADelayedCopy()
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

    void roughnessModulatesTheAmplitude()
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

    void eSpeakIsOfferedNoPlaybackDevice()
    {
        // The executable's definition is the one the dynamic linker gives eSpeak NG's library.
        QCOMPARE(dlsym(RTLD_DEFAULT, "create_audio_device_object"),
                 reinterpret_cast<void *>(&create_audio_device_object));
        QCOMPARE(create_audio_device_object(nullptr, "eSpeak", "Text-to-Speech"), nullptr);
    }

    void speechIsRecorded()
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

    void voicesSoundDifferent()
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

    void wordsAreReportedWithTheirPlaceInTheRequest()
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

    void logShowsEachUtterance()
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

    void pauseAndResumeOnTheNullSink()
    {
        QSignalSpy spoken(&engine(), &SpeechEngine::wordSpoken);
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        countToTen();
        QVERIFY(engine().isSpeaking());
        QTRY_VERIFY_WITH_TIMEOUT(spoken.size() >= 2, 10000);
        // Words come in step with playback: after the second word the speech is not over.
        QVERIFY(finished.isEmpty());
        engine().pause();
        QVERIFY(engine().paused());
        // What the sink already holds is still heard.
        QTest::qWait(300);
        const qsizetype heard = spoken.size();
        const qsizetype played = m_tape->samples().size();
        QTest::qWait(400);
        QCOMPARE(spoken.size(), heard);
        QCOMPARE(m_tape->samples().size(), played);
        QVERIFY(finished.isEmpty());

        engine().resume();
        QVERIFY(!engine().paused());
        QVERIFY(finished.wait(10000));
        QCOMPARE(spoken.size(), 10);
        QVERIFY(!engine().isSpeaking());
    }

    void stopEndsSpeech()
    {
        QSignalSpy spoken(&engine(), &SpeechEngine::wordSpoken);
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        countToTen();
        QTRY_VERIFY_WITH_TIMEOUT(spoken.size() >= 1, 10000);
        engine().pause();
        engine().stop();
        QVERIFY(!engine().isSpeaking());
        QVERIFY(!engine().paused());
        const qsizetype heard = spoken.size();
        QTest::qWait(300);
        QCOMPARE(spoken.size(), heard);
        QVERIFY(finished.isEmpty());
        // Resume after stop does nothing.
        engine().resume();
        QVERIFY(!engine().isSpeaking());
    }

    void repeatSpeaksTheLastRequestAgain()
    {
        useNullSink();
        QSignalSpy spoken(&engine(), &SpeechEngine::wordSpoken);
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        engine().speak(QStringLiteral("#spd=250%#eins zwei"));
        QVERIFY(finished.wait(10000));
        const QList<QList<QVariant>> first = spoken;
        QCOMPARE(first.size(), 2);
        spoken.clear();
        engine().repeat();
        QVERIFY(finished.wait(10000));
        QCOMPARE(QList<QList<QVariant>>(spoken), first);
        QCOMPARE(engine().speed(), 250);

        // A new request replaces the one being spoken.
        spoken.clear();
        finished.clear();
        engine().speak(QStringLiteral("eins zwei drei vier fünf sechs sieben"));
        QTRY_VERIFY_WITH_TIMEOUT(spoken.size() >= 1, 10000);
        engine().speak(QStringLiteral("#spd=250%#Ende"));
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(spoken.last().at(0).toInt(), 10);
    }

    void hugeRequestStopsWithoutHanging()
    {
        useNullSink();
        QString request;
        while (request.size() < 1024 * 1024)
            request += QStringLiteral("Wort ");
        QSignalSpy spoken(&engine(), &SpeechEngine::wordSpoken);
        engine().speak(request);
        QTRY_VERIFY_WITH_TIMEOUT(spoken.size() >= 1, 10000);
        engine().stop();
        QVERIFY(!engine().isSpeaking());
    }

    void outputGainsAreClamped()
    {
        engine().setOutputGains(0.25, 2.0);
        QCOMPARE(engine().leftGain(), 0.25);
        QCOMPARE(engine().rightGain(), 1.0);
        engine().setOutputGains(1.0, -1.0);
        QCOMPARE(engine().rightGain(), 0.0);
        engine().setOutputGains(1.0, 1.0);
    }

    void aBusyWindowThreadMakesNoGap()
    {
        const QString text = QStringLiteral("eins zwei drei vier fünf sechs sieben acht neun zehn");
        const qsizetype whole = record(text).size();
        test::TapeSink *tape = useTape();
        const int underruns = engine().underruns();
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        engine().speak(text);
        QTest::qWait(300);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        QVERIFY(finished.wait(10000));
        QCOMPARE(tape->gaps(), 0);
        QCOMPARE(engine().underruns(), underruns);
        QVERIFY(near(double(tape->samples().size()), double(whole), 0.02));
    }

    void finishedComesOnceUnderANestedWait()
    {
        useNullSink();
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        QList<int> starts;
        const QMetaObject::Connection nested =
            connect(&engine(), &SpeechEngine::wordSpoken, this, [&](int start, int) {
                starts << start;
                QTest::qWait(400); // a handler that waits, as the windows' pause does
            });
        engine().speak(QStringLiteral("#spd=250%#eins zwei drei"));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        QTest::qWait(500);
        disconnect(nested);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(starts, (QList<int>{10, 15, 20}));
        QVERIFY(!engine().isSpeaking());
    }

    void aDeviceFailingMidSpeechGoesOnAtRealTimePace()
    {
        const QString text = QStringLiteral("eins zwei drei vier fünf sechs");
        const double seconds = double(record(text).size()) / engine().sampleRate();
        engine().setOutput(std::make_unique<test::FailingSink>(500));
        QSignalSpy messages(&engine(), &SpeechEngine::message);
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        QList<qint64> times;
        QElapsedTimer clock;
        const QMetaObject::Connection timing =
            connect(&engine(), &SpeechEngine::wordSpoken, this, [&] { times << clock.elapsed(); });
        clock.start();
        engine().speak(text);
        QVERIFY(finished.wait(10000));
        disconnect(timing);
        QVERIFY2(clock.elapsed() > 1000 * (seconds - 0.1), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(times.size(), 6);
        // No burst: the words after the failure come as they would be heard.
        QVERIFY2(times.last() - times[2] > 500, qPrintable(QString::number(times.last() - times[2])));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().first().toString().startsWith(QStringLiteral("Achtung : Die Tonausgabe")));
    }

    void aVoiceThatCannotBeLoadedIsReported()
    {
        // The Greek data is missing (see initTestCase).
        const test::SpeechLog log;
        useNullSink();
        QSignalSpy messages(&engine(), &SpeechEngine::message);
        QSignalSpy finished(&engine(), &SpeechEngine::finished);
        QSignalSpy spoken(&engine(), &SpeechEngine::wordSpoken);
        engine().speak(QStringLiteral("#voice=name:lgx.de.silke#Hallo\n#voice=name:lgx.el.nikos#kalimera\n"
                                      "#voice=name:lgx.el.eleni#nikos\n#voice=name:lgx.de.silke#Welt"));
        QVERIFY(finished.wait(10000));
        qunsetenv("ORTELIA_SPEECH_LOG");
        const QStringList lines = log.lines();
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].endsWith(QStringLiteral("\tHallo")));
        QVERIFY(lines[1].startsWith(QStringLiteral("lgx.el.nikos\t")));
        QVERIFY(lines[1].endsWith(QStringLiteral("\tkalimera\tnicht gesprochen")));
        QVERIFY(lines[2].endsWith(QStringLiteral("\tnicht gesprochen")));
        QVERIFY(lines[3].endsWith(QStringLiteral("\tWelt")));
        QCOMPARE(spoken.size(), 2);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(
            messages[0].first().toString(),
            QStringLiteral(
                "Achtung : Die Stimme lgx.el.nikos lässt sich nicht laden, ihr Text wird nicht gesprochen."));
    }

    void linesOfAListArePaused()
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
};

QTEST_MAIN(TtsTest)
#include "tst_tts.moc"
