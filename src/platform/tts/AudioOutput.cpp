#include "AudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ortelia {

namespace {

// Plays nothing, but at the pace of a sound card: samples count as played as time passes, so
// word events, pause and stop behave as with sound.
class NullOutput : public AudioOutput {
public:
    explicit NullOutput(int sampleRate) : m_sampleRate(sampleRate) {}

    void begin() override
    {
        m_written = 0;
        m_playedBefore = 0;
        m_paused = false;
        m_clock.start();
    }
    qsizetype write(const qint16 *, qsizetype count) override
    {
        // A stream that ran dry starts playing again when new samples arrive.
        const qint64 played = playedSamples();
        if (played >= m_written) {
            m_playedBefore = played;
            m_clock.start();
        }
        m_written += count;
        return count;
    }
    qint64 playedSamples() override
    {
        if (m_paused || !m_clock.isValid())
            return m_playedBefore;
        const qint64 elapsed = m_clock.nsecsElapsed() * m_sampleRate / 1000000000;
        return std::min(m_written, m_playedBefore + elapsed);
    }
    void setPaused(bool paused) override
    {
        if (paused == m_paused)
            return;
        if (paused)
            m_playedBefore = playedSamples();
        else
            m_clock.start();
        m_paused = paused;
    }
    void stop() override { begin(); }
    void setGains(float, float) override {}

private:
    int m_sampleRate;
    qint64 m_written = 0;
    qint64 m_playedBefore = 0;
    bool m_paused = false;
    QElapsedTimer m_clock;
};

// The sound card through Qt Multimedia, in stereo so that each channel has its own gain. A device
// that cannot be opened plays like the null sink; one that fails while playing counts what it
// was given as played, so that speech still comes to its end.
class DeviceOutput : public AudioOutput {
public:
    DeviceOutput(const QAudioDevice &device, const QAudioFormat &format)
        : m_sink(device, format), m_fallback(format.sampleRate())
    {
    }

    void begin() override
    {
        m_sink.stop();
        m_io = m_sink.start();
        m_written = 0;
        m_unavailable = !m_io || failed();
        if (m_unavailable)
            m_fallback.begin();
    }
    qsizetype write(const qint16 *samples, qsizetype count) override
    {
        if (m_unavailable)
            return m_fallback.write(samples, count);
        if (failed()) {
            m_written += count;
            return count;
        }
        const qsizetype frames = std::min<qsizetype>(count, m_sink.bytesFree() / 4);
        m_frames.resize(size_t(frames) * 2);
        for (qsizetype i = 0; i < frames; ++i) {
            m_frames[size_t(2 * i)] = scaled(samples[i], m_left);
            m_frames[size_t(2 * i + 1)] = scaled(samples[i], m_right);
        }
        const qint64 bytes = m_io->write(reinterpret_cast<const char *>(m_frames.data()), frames * 4);
        const qsizetype taken = bytes > 0 ? qsizetype(bytes / 4) : 0;
        m_written += taken;
        return taken;
    }
    qint64 playedSamples() override
    {
        if (m_unavailable)
            return m_fallback.playedSamples();
        if (failed())
            return m_written;
        return m_sink.processedUSecs() * m_sink.format().sampleRate() / 1000000;
    }
    void setPaused(bool paused) override
    {
        m_fallback.setPaused(paused);
        if (paused)
            m_sink.suspend();
        else
            m_sink.resume();
    }
    void stop() override
    {
        m_sink.stop();
        m_io = nullptr;
        m_fallback.stop();
    }
    void setGains(float left, float right) override
    {
        m_left = left;
        m_right = right;
    }

private:
    bool failed() const
    {
        return m_sink.error() == QAudio::OpenError || m_sink.error() == QAudio::FatalError;
    }
    static qint16 scaled(qint16 sample, float gain)
    {
        return qint16(std::clamp(std::round(float(sample) * gain), -32768.0f, 32767.0f));
    }

    QAudioSink m_sink;
    NullOutput m_fallback;
    QIODevice *m_io = nullptr;
    bool m_unavailable = false;
    qint64 m_written = 0;
    float m_left = 1.0f;
    float m_right = 1.0f;
    std::vector<qint16> m_frames;
};

} // namespace

std::unique_ptr<AudioOutput> AudioOutput::createNull(int sampleRate)
{
    return std::make_unique<NullOutput>(sampleRate);
}

std::unique_ptr<AudioOutput> AudioOutput::createDefault(int sampleRate)
{
    if (qgetenv("ORTELIA_AUDIO") == "null")
        return createNull(sampleRate);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull() || !device.isFormatSupported(format))
        return createNull(sampleRate);
    return std::make_unique<DeviceOutput>(device, format);
}

void RecordingOutput::begin()
{
    m_samples.clear();
}

qsizetype RecordingOutput::write(const qint16 *samples, qsizetype count)
{
    const qsizetype before = m_samples.size();
    m_samples.resize(before + count);
    std::copy(samples, samples + count, m_samples.begin() + before);
    return count;
}

} // namespace ortelia
