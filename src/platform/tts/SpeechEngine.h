#pragma once

#include "AudioOutput.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace ortelia {

class Synthesizer;
struct Utterance;

// The one speech engine of the program, on eSpeak NG. A request (text with voice markup, lines
// separated by line breaks) is interpreted on the calling thread, synthesised on a worker thread,
// given its effects and played; each word is reported as it is heard. A new request replaces the
// one being spoken.
//
// With ORTELIA_SPEECH_LOG=<file> every utterance appends one line to that file: the voice alias,
// the effective settings and the spoken text, separated by tabs.
class SpeechEngine : public QObject {
    Q_OBJECT
public:
    static SpeechEngine &instance();
    ~SpeechEngine() override;

    // The installed voices by alias, and the voice used where a request names none.
    int count() const;
    QString alias(int index) const;
    int current() const { return m_currentVoice; }
    void select(int index);

    void speak(const QString &request);
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

    // Replaces the audio output (a recording, for WAV files and tests); nullptr returns to the
    // sound card, or the null sink when there is none. Stops current speech.
    void setOutput(std::unique_ptr<AudioOutput> output);
    AudioOutput *output() { return m_output.get(); }

signals:
    // A request replaces whatever was spoken; word positions refer to its text from now on.
    void started(const QString &request);
    // A word is being heard: its start and length in the request text.
    void wordSpoken(int start, int length);
    // The request has been spoken to its end (not sent after stop).
    void finished();

private:
    struct WordMark {
        qint64 sample;
        int start;
        int length;
    };
    struct Chunk {
        quint64 generation = 0;
        std::vector<qint16> samples;
        QList<WordMark> words;
        bool last = false;
    };

    SpeechEngine();
    void pump();
    void runWorker();
    void synthesize(quint64 generation, const QList<Utterance> &utterances);
    bool deliver(Chunk chunk);
    static void appendToLog(const QList<Utterance> &utterances);

    std::unique_ptr<Synthesizer> m_synthesizer;

    // Shared with the worker, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    quint64 m_generation = 0;
    std::optional<QList<Utterance>> m_job;
    std::deque<Chunk> m_chunks;
    qint64 m_produced = 0;
    qint64 m_played = 0;
    bool m_quit = false;
    std::atomic_bool m_pumpPosted{false};
    std::thread m_worker;

    // User-interface thread only.
    std::unique_ptr<AudioOutput> m_output;
    QTimer m_timer;
    std::vector<qint16> m_pending;
    size_t m_pendingOffset = 0;
    QList<WordMark> m_words;
    qint64 m_written = 0;
    quint64 m_playing = 0;
    bool m_active = false;
    bool m_paused = false;
    bool m_synthesisDone = false;
    QString m_lastRequest;
    int m_currentVoice;
    int m_speed = 100;
    double m_left = 1.0;
    double m_right = 1.0;
};

} // namespace ortelia
