#pragma once

#include <QList>
#include <QtGlobal>

#include <memory>

namespace ortelia {

// Where synthesised speech (16-bit mono) goes: the sound card, a null sink that plays at real-time
// pace when there is none, or a recording (WAV files, tests).
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Starts a new stream; playedSamples() counts from 0 again.
    virtual void begin() = 0;
    // Offers samples; returns how many were taken (the rest is offered again later).
    virtual qsizetype write(const qint16 *samples, qsizetype count) = 0;
    // Samples of this stream played so far.
    virtual qint64 playedSamples() = 0;
    virtual void setPaused(bool paused) = 0;
    // Drops whatever has not been played yet.
    virtual void stop() = 0;
    // Left and right channel gains, 0..1.
    virtual void setGains(float left, float right) = 0;

    // The default sound device, or the null sink when there is none (or ORTELIA_AUDIO=null).
    static std::unique_ptr<AudioOutput> createDefault(int sampleRate);
    static std::unique_ptr<AudioOutput> createNull(int sampleRate);
};

// Takes every sample at once and keeps it.
class RecordingOutput : public AudioOutput {
public:
    void begin() override;
    qsizetype write(const qint16 *samples, qsizetype count) override;
    qint64 playedSamples() override { return m_samples.size(); }
    void setPaused(bool) override {}
    void stop() override {}
    void setGains(float, float) override {}

    const QList<qint16> &samples() const { return m_samples; }

private:
    QList<qint16> m_samples;
};

} // namespace ortelia
