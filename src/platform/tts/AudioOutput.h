#pragma once

#include "AudioSink.h"
#include "Ramp.h"
#include "Resampler.h"
#include "SpeechStream.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace ortelia {

// The sound output: one long-lived sink on the output's own thread, fed from the stream of the
// request being spoken. The public methods other than underruns() and latencyMs() are commands,
// to be run on the output's thread.
//
// A word is reported when its first sample is heard, that is handed to the sink and no longer
// buffered there; a stream's end once its last sample is heard. Stop, pause, resume and
// replacement fade over 8 ms, gain changes ramp over 10 ms. A sink that fails is replaced by a
// silent one that goes on at real-time pace from that point, and the user is told once.
class AudioOutput : public QObject {
    Q_OBJECT
public:
    using SinkFactory = std::function<std::unique_ptr<AudioSink>()>;

    explicit AudioOutput(int sourceRate);
    ~AudioOutput() override;

    // Sinks made by factory: when first needed, and again for a request after one failed.
    void useSinks(const SinkFactory &factory);
    // This one sink (a failure falls back to silence for good).
    void useSink(const std::shared_ptr<AudioSink> &sink);
    // Fades out what is playing, then plays stream.
    void play(const std::shared_ptr<SpeechStream> &stream);
    void stop();
    void pause();
    void resume();
    void setGains(float left, float right);
    // Drops the sink; to be run before the thread ends.
    void shutdown();

    // From any thread: how often the sink ran dry while speaking, and its latency when full.
    int underruns() const { return m_underruns.load(); }
    int latencyMs() const { return m_latencyMs.load(); }

    static constexpr int kFadeMs = 8;
    static constexpr int kGainRampMs = 10;
    static constexpr int kTickMs = 5;

signals:
    void wordHeard(quint64 stream, int start, int length);
    void streamEnded(quint64 stream);
    // A German line for the user (the program shows it in the help label).
    void message(const QString &text);

private:
    enum class Mode { Idle, Playing, FadingOut, Flushing, Paused, Ending };
    // What follows a fade out and the flush of the converter.
    enum class Then { Pause, Resume, Drop, End };
    // After `frames` frames had been handed to the sink, `position` samples of `stream` had been.
    struct Mark {
        qint64 frames = 0;
        quint64 stream = 0;
        qint64 position = 0;
    };

    void tick();
    bool ensureSink();
    void openSink(const std::shared_ptr<AudioSink> &sink);
    void setSink(std::shared_ptr<AudioSink> sink);
    void fallBack(const QString &why);
    void start(const std::shared_ptr<SpeechStream> &stream);
    void fadeOut(Then then);
    void dropStream();
    void finishFlush();
    qsizetype render(qsizetype maxFrames);
    bool refill(qsizetype wanted);
    void expand(qsizetype count);
    void report();
    qint64 heardPosition(qint64 heardFrames);

    int m_sourceRate;
    SinkFactory m_factory;
    std::shared_ptr<AudioSink> m_sink;
    bool m_fellBack = false;
    SinkFormat m_format;
    std::unique_ptr<Resampler> m_resampler;

    std::shared_ptr<SpeechStream> m_stream;
    std::shared_ptr<SpeechStream> m_next;
    Mode m_mode = Mode::Idle;
    Then m_then = Then::Drop;
    Ramp m_fade{0.0f};
    Ramp m_left{1.0f};
    Ramp m_right{1.0f};
    qint64 m_sourceRead = 0;      // samples of the stream read
    std::vector<float> m_pending; // read, not yet taken by the converter
    std::vector<qint16> m_read;
    std::vector<float> m_mono;
    std::vector<float> m_frames;

    qint64 m_written = 0; // frames handed to the sink
    qint64 m_endFrames = 0;
    std::deque<Mark> m_timeline;
    Mark m_heard;
    qsizetype m_lastBuffered = 0;
    std::atomic_int m_underruns{0};
    std::atomic_int m_latencyMs{0};
    QTimer m_timer;
};

} // namespace ortelia
