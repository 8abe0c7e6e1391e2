#include "SpeechTests.h"

#include "TestSupport.h"
#include "VoiceTable.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <thread>

using namespace ortelia;
using namespace speechtest;

void SpeechPlaybackTest::countToTen()
{
    m_tape = useTape();
    engine().speak(QStringLiteral("eins zwei drei vier fünf sechs sieben acht neun zehn"));
}

void SpeechPlaybackTest::initTestCase()
{
    QVERIFY(useSpeechDataWithoutGreek());
}

void SpeechPlaybackTest::init()
{
    resetEngine();
}

void SpeechPlaybackTest::pauseAndResumeOnTheNullSink()
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

void SpeechPlaybackTest::stopEndsSpeech()
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

void SpeechPlaybackTest::repeatSpeaksTheLastRequestAgain()
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

void SpeechPlaybackTest::hugeRequestStopsWithoutHanging()
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

void SpeechPlaybackTest::outputGainsAreClamped()
{
    engine().setOutputGains(0.25, 2.0);
    QCOMPARE(engine().leftGain(), 0.25);
    QCOMPARE(engine().rightGain(), 1.0);
    engine().setOutputGains(1.0, -1.0);
    QCOMPARE(engine().rightGain(), 0.0);
    engine().setOutputGains(1.0, 1.0);
}

void SpeechPlaybackTest::aBusyWindowThreadMakesNoGap()
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

void SpeechPlaybackTest::finishedComesOnceUnderANestedWait()
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

void SpeechPlaybackTest::aDeviceFailingMidSpeechGoesOnAtRealTimePace()
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

void SpeechPlaybackTest::aVoiceThatCannotBeLoadedIsReported()
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
