#pragma once

#include "SpeechEngine.h"
#include "TestSinks.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

// What the speech engine does with the words and their places in a request, shared by the test
// classes, which all speak through the one engine of the process.
namespace speechtest {

using Word = QPair<int, int>;

ortelia::SpeechEngine &engine();
// eSpeak NG's data without Greek, set up once before the engine starts; false without the data.
bool useSpeechDataWithoutGreek();
// The default voice, nothing being spoken.
void resetEngine();

// Speaks a request into a recording and returns the samples and the words heard.
QList<qint16> record(const QString &request, QList<Word> *words = nullptr);
void useNullSink();
// A sink that keeps what it plays, at real-time pace.
ortelia::test::TapeSink *useTape();

double rms(const QList<qint16> &samples);
bool near(double a, double b, double tolerance);

} // namespace speechtest

// The voice markup of a request: voices, tags, their bounds and the utterances it makes.
class VoiceMarkupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void voicesByAlias();
    void tagsSetTheSettings();
    void valuesAreClamped_data();
    void valuesAreClamped();
    void badTagsAreSilentAndChangeNothing_data();
    void badTagsAreSilentAndChangeNothing();
    void aHashOutsideATagIsText_data();
    void aHashOutsideATagIsText();
    void requestsAreSplitIntoUtterances();
    void hugeRequestIsCapped();
    void pitchMapping();
};

// What is heard: the effects on the samples, the voices, the words and the log of a recording.
class SpeechSoundTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void volumeScalesAndLimits();
    void echoAddsADelayedCopy();
    void roughnessModulatesTheAmplitude();
    void eSpeakIsOfferedNoPlaybackDevice();
    void speechIsRecorded();
    void voicesSoundDifferent();
    void wordsAreReportedWithTheirPlaceInTheRequest();
    void logShowsEachUtterance();
    void linesOfAListArePaused();
};

// Speaking in real time: pause, stop, repeat, the output and its failures.
class SpeechPlaybackTest : public QObject {
    Q_OBJECT
private:
    ortelia::test::TapeSink *m_tape = nullptr;
    // Counts to ten on a tape sink, which plays at real-time pace.
    void countToTen();

private slots:
    void initTestCase();
    void init();
    void pauseAndResumeOnTheNullSink();
    void stopEndsSpeech();
    void repeatSpeaksTheLastRequestAgain();
    void hugeRequestStopsWithoutHanging();
    void outputGainsAreClamped();
    void aBusyWindowThreadMakesNoGap();
    void finishedComesOnceUnderANestedWait();
    void aDeviceFailingMidSpeechGoesOnAtRealTimePace();
    void aVoiceThatCannotBeLoadedIsReported();
};
