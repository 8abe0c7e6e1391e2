#pragma once

#include "AudioSink.h"
#include "SpeechStream.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace ortelia {

class AudioOutput;
class Synthesizer;
struct Utterance;

// The one speech engine of the program, on eSpeak NG. A request (text with voice markup, lines
// separated by line breaks) is interpreted on the calling thread, synthesised with its effects on
// a worker thread and played by the audio output on a thread of its own; each word is reported
// when it is heard. A new request replaces the one being spoken.
//
// With ORTELIA_SPEECH_LOG=<file> every utterance appends one line to that file: the voice alias,
// the effective settings and the spoken text, separated by tabs; an utterance whose voice cannot
// be loaded ends with a further field "nicht gesprochen".
class SpeechEngine : public QObject {
    Q_OBJECT
public:
    // The program has one, owned by its main(); eSpeak NG serves one engine at a time.
    SpeechEngine();
    ~SpeechEngine() override;

    // The installed voices by alias, and the voice used where a request names none.
    int count() const;
    QString alias(int index) const;
    int current() const { return m_currentVoice; }
    void select(int index);

    void speak(const QString &request);
    // The request's speech as speak() would play it (same voices, markup, effects and log line),
    // made at once on the calling thread and handed piece by piece to write as mono samples at
    // sampleRate(): for WAV files, without any sound output. Stops current speech. False when
    // write refused a piece.
    bool record(const QString &request,
                const std::function<bool(const qint16 *samples, qsizetype count)> &write);
    void pause();
    void resume();
    bool paused() const { return m_paused; }
    void stop();
    // Speaks the last request again from its start.
    void repeat();
    // The speed in percent at which the engine speaks (the last request's first utterance).
    int speed() const { return m_speed; }
    bool isSpeaking() const { return m_active; }
    int sampleRate() const;

    // Gains of the left and right channel, 0..1 (the main window's volume sliders).
    void setOutputGains(double left, double right);
    double leftGain() const { return m_left; }
    double rightGain() const { return m_right; }

    // Makes sinks for the sound card, on the audio output's thread.
    using SinkFactory = std::function<std::unique_ptr<AudioSink>()>;
    // How the program reaches its sound card (SoundCard.h; the commands have none): called when
    // the default output is chosen, an empty factory when there is no device.
    static void setSoundCard(std::function<SinkFactory()> soundCard);

    // Replaces the audio output's sink (a recording, for WAV files and tests); nullptr returns
    // to the sound card, or the silent sink when there is none or ORTELIA_AUDIO=null. Stops
    // current speech.
    void setOutput(std::unique_ptr<AudioSink> sink);
    // How often the sink ran dry while speaking, and its latency when full.
    int underruns() const;
    int outputLatencyMs() const;

signals:
    // A request replaces whatever was spoken; word positions refer to its text from now on.
    void started(const QString &request);
    // A word is being heard: its start and length in the request text.
    void wordSpoken(int start, int length);
    // The request has been heard to its end (not sent after stop).
    void finished();
    // A German line for the user: the sound card failed, a voice cannot be loaded.
    void message(const QString &text);

private:
    struct Job {
        std::shared_ptr<SpeechStream> stream;
        QList<Utterance> utterances;
    };

    // A request's utterances, every voice checked and the log line written.
    struct Prepared {
        QList<Utterance> all;
        QList<Utterance> loadable;
    };

    Prepared prepare(const QString &request);
    void useDefaultOutput();
    // The audio thread, its output and the synthesis worker, started on first use.
    AudioOutput *output();
    void runWorker();
    void synthesize(const Job &job);
    // Takes the samples and the words starting in them; false to stop.
    using WriteSamples =
        std::function<bool(const qint16 *samples, qsizetype count, const QList<SpeechStream::Word> &words)>;
    // False when write stopped it.
    bool synthesize(const QList<Utterance> &utterances, const WriteSamples &write);
    // False for the utterances whose voice cannot be loaded; each such voice is reported.
    QList<bool> checkVoices(const QList<Utterance> &utterances);
    static void appendToLog(const QList<Utterance> &utterances, const QList<bool> &spoken);

    std::unique_ptr<Synthesizer> m_synthesizer;
    // eSpeak NG serves one caller at a time: the worker, or record() on the calling thread.
    std::mutex m_synthesis;

    // The worker's next job, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_job;
    bool m_quit = false;
    std::thread m_worker;

    QThread m_audioThread;
    AudioOutput *m_output = nullptr;

    // User-interface thread only.
    std::shared_ptr<SpeechStream> m_stream;
    quint64 m_streams = 0;
    bool m_outputChosen = false;
    bool m_active = false;
    bool m_paused = false;
    QString m_lastRequest;
    int m_currentVoice;
    int m_speed = 100;
    double m_left = 1.0;
    double m_right = 1.0;
};

} // namespace ortelia
