#include "AudioOutput.h"
#include "TestSinks.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace ortelia;

namespace {

constexpr int kRate = 22050;
constexpr double kTone = 440.0;
constexpr double kAmplitude = 20000.0;

// A stream of a loud steady tone, the worst case for a cut.
std::shared_ptr<SpeechStream> toneStream(quint64 id, double seconds,
                                         const QList<SpeechStream::Word> &words = {})
{
    auto stream = std::make_shared<SpeechStream>(id, qsizetype(6 * kRate));
    QList<qint16> tone;
    for (qsizetype i = 0; i < qsizetype(seconds * kRate); ++i)
        tone << qint16(
            std::lround(kAmplitude * std::sin(2.0 * std::numbers::pi * kTone * double(i) / kRate)));
    stream->write(tone.constData(), tone.size(), words);
    stream->finish();
    return stream;
}

// The largest change from one sample of a channel to the next.
int largestStep(const QList<qint16> &samples, int channels, int channel)
{
    int largest = 0;
    for (qsizetype i = channel + channels; i < samples.size(); i += channels)
        largest = std::max(largest, std::abs(int(samples[i]) - int(samples[i - channels])));
    return largest;
}

QList<qint16> channelOf(const QList<qint16> &samples, int channels, int channel, qsizetype from = 0)
{
    QList<qint16> one;
    for (qsizetype i = from * channels + channel; i < samples.size(); i += channels)
        one << samples[i];
    return one;
}

double rms(const QList<qint16> &samples)
{
    double sum = 0;
    for (qint16 s : samples)
        sum += double(s) * s;
    return samples.isEmpty() ? 0.0 : std::sqrt(sum / double(samples.size()));
}

} // namespace

// The audio output driven on the test's own thread, fed with tones instead of speech.
class AudioOutputTest : public QObject {
    Q_OBJECT

private slots:
    void everyStopAndStartIsFaded()
    {
        AudioOutput output(kRate);
        auto tape = std::make_shared<test::TapeSink>();
        output.useSink(tape);
        output.play(toneStream(1, 5));
        QTest::qWait(200);
        output.pause();
        // Longer than the sink's buffer: it runs dry.
        QTest::qWait(400);
        output.resume();
        QTest::qWait(200);
        output.play(toneStream(2, 5));
        QTest::qWait(200);
        output.stop();
        QTest::qWait(100);

        const QList<qint16> samples = tape->samples();
        QVERIFY(samples.size() > kRate / 2);
        // The tone itself changes by at most 2 pi 440 / 22050 * 20000 = 2508 per sample; a cut
        // would jump by up to 20000.
        QVERIFY2(largestStep(samples, 1, 0) < 2700, qPrintable(QString::number(largestStep(samples, 1, 0))));
        QVERIFY(std::abs(samples.last()) < 200);
        QCOMPARE(tape->gaps(), 1); // the pause
        QCOMPARE(output.underruns(), 0);
    }

    void deviceFormatIsResampledAndGainsRamp()
    {
        AudioOutput output(kRate);
        auto tape = std::make_shared<test::TapeSink>(SinkFormat{48000, 2});
        output.useSink(tape);
        QSignalSpy ended(&output, &AudioOutput::streamEnded);
        output.play(toneStream(7, 1.0));
        QTest::qWait(500);
        output.setGains(0.25f, 1.0f);
        QVERIFY(ended.wait(3000));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().first().toULongLong(), 7ull);

        const QList<qint16> samples = tape->samples();
        const qsizetype frames = samples.size() / 2;
        QVERIFY2(std::abs(frames - 48000) < 480, qPrintable(QString::number(frames)));
        const QList<qint16> right = channelOf(samples, 2, 1);
        int crossings = 0;
        for (qsizetype i = 1; i < right.size(); ++i)
            crossings += (right[i - 1] < 0) != (right[i] < 0);
        QVERIFY2(std::abs(crossings - 2 * kTone) < 10, qPrintable(QString::number(crossings)));
        // Smooth at the new rate (2 pi 440 / 48000 * 20000 = 1152), also where the left gain fell;
        // the tone's own abrupt end is left out.
        const QList<qint16> body = samples.first(samples.size() - 2 * 480);
        QVERIFY(largestStep(body, 2, 1) < 1300);
        QVERIFY(largestStep(body, 2, 0) < 1300);
        const double ratio =
            rms(channelOf(samples, 2, 0, frames - 9600)) / rms(channelOf(samples, 2, 1, frames - 9600));
        QVERIFY2(std::abs(ratio - 0.25) < 0.01, qPrintable(QString::number(ratio)));
    }

    void wordsAreReportedWhenHeard()
    {
        AudioOutput output(kRate);
        // 200 ms of buffer: a word timed by what was handed over would come 200 ms early.
        output.useSink(std::make_shared<test::TapeSink>());
        QElapsedTimer clock;
        QList<qint64> times;
        QList<int> starts;
        connect(&output, &AudioOutput::wordHeard, this, [&](quint64, int start, int) {
            times << clock.elapsed();
            starts << start;
        });
        QSignalSpy ended(&output, &AudioOutput::streamEnded);
        const std::shared_ptr<SpeechStream> stream =
            toneStream(3, 1.0, {{0, 0, 4}, {kRate / 2, 5, 4}, {kRate / 2 + 1, 10, 4}});
        clock.start();
        output.play(stream);
        QVERIFY(ended.wait(3000));
        QCOMPARE(starts, (QList<int>{0, 5, 10}));
        QVERIFY2(times[0] < 80, qPrintable(QString::number(times[0])));
        QVERIFY2(times[1] > 480 && times[1] < 560, qPrintable(QString::number(times[1])));
        QVERIFY(clock.elapsed() >= 990);
        QCOMPARE(ended.size(), 1);
    }

    void aFailingDeviceFallsBackToRealTimePace()
    {
        AudioOutput output(kRate);
        output.useSink(std::make_shared<test::FailingSink>(300));
        QSignalSpy messages(&output, &AudioOutput::message);
        QSignalSpy ended(&output, &AudioOutput::streamEnded);
        QElapsedTimer clock;
        clock.start();
        output.play(toneStream(4, 1.5));
        QVERIFY(ended.wait(4000));
        QVERIFY2(clock.elapsed() >= 1480, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().first().toString().startsWith(QStringLiteral("Achtung : Die Tonausgabe")));

        // A sink that cannot be opened: said once, and the speech still takes its time.
        struct Unusable : test::TapeSink {
            bool open() override { return false; }
        };
        AudioOutput second(kRate);
        QSignalSpy told(&second, &AudioOutput::message);
        QSignalSpy over(&second, &AudioOutput::streamEnded);
        second.useSink(std::make_shared<Unusable>());
        clock.restart();
        second.play(toneStream(5, 0.5));
        QVERIFY(over.wait(3000));
        QVERIFY(clock.elapsed() >= 480);
        QCOMPARE(told.size(), 1);
    }
};

QTEST_MAIN(AudioOutputTest)
#include "tst_audiooutput.moc"
