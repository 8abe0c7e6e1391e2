#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace ortelia {

struct SinkFormat {
    int sampleRate = 22050;
    int channels = 1;
};

// Samples travel as 16-bit integers from the synthesiser and as floats in -1..1 to the sinks.
namespace Pcm {
inline float toFloat(qint16 sample)
{
    return float(sample) / 32768.0f;
}
inline qint16 toInt16(float sample)
{
    return qint16(std::clamp(std::lround(sample * 32768.0f), -32768L, 32767L));
}
} // namespace Pcm

// Where the audio output's frames go: a sound card, a device without sound, a recording. A sink
// is used only on the audio output's thread.
class AudioSink {
public:
    virtual ~AudioSink() = default;

    // Prepares the device; false when it cannot be used.
    virtual bool open() = 0;
    // The frames the sink wants; valid once open.
    virtual SinkFormat format() const = 0;
    // Frames the sink takes now.
    virtual qsizetype freeFrames() = 0;
    // Frames handed over and not heard yet: the sink's latency.
    virtual qsizetype bufferedFrames() = 0;
    // Hands over count interleaved frames. False when the device failed.
    virtual bool write(const float *frames, qsizetype count) = 0;
    // True once the device has stopped working.
    virtual bool failed() = 0;
};

// A device without sound: it takes frames into a buffer of its own and plays them at real-time
// pace, so word events, pauses and underruns happen as on a sound card. Tests derive from it to
// record what it is given or to fail.
class PacedSink : public AudioSink {
public:
    explicit PacedSink(SinkFormat format, int bufferMs = kDefaultBufferMs);

    bool open() override;
    SinkFormat format() const override { return m_format; }
    qsizetype freeFrames() override;
    qsizetype bufferedFrames() override;
    bool write(const float *frames, qsizetype count) override;
    bool failed() override { return false; }

    // Frames played since the sink was opened.
    qint64 playedFrames();

    static constexpr int kDefaultBufferMs = 40;

private:
    void advance();

    SinkFormat m_format;
    qint64 m_capacity;
    qint64 m_buffered = 0;
    qint64 m_played = 0;
    qint64 m_clockFrames = 0;
    QElapsedTimer m_clock;
};

// Takes every frame at once and keeps it, mono at the synthesis rate: the speech as synthesised,
// for WAV files.
class RecordingSink : public AudioSink {
public:
    explicit RecordingSink(int sampleRate) : m_sampleRate(sampleRate) {}

    bool open() override { return true; }
    SinkFormat format() const override { return {m_sampleRate, 1}; }
    qsizetype freeFrames() override { return m_sampleRate; }
    qsizetype bufferedFrames() override { return 0; }
    bool write(const float *frames, qsizetype count) override;
    bool failed() override { return false; }

    // Safe from any thread.
    QList<qint16> samples() const;

private:
    int m_sampleRate;
    mutable std::mutex m_mutex;
    QList<qint16> m_samples;
};

} // namespace ortelia
