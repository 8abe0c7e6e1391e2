#pragma once

#include "AudioSink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>

#include <memory>

class QAudioSink;
class QIODevice;

namespace ortelia {

// A sound card through Qt Multimedia, in the format the device prefers (the audio output converts
// the speech to its rate and channels). Opened once and kept open between requests.
class DeviceSink : public AudioSink {
public:
    explicit DeviceSink(const QAudioDevice &device);
    ~DeviceSink() override;

    bool open() override;
    SinkFormat format() const override;
    qsizetype freeFrames() override;
    qsizetype bufferedFrames() override;
    bool write(const float *frames, qsizetype count) override;
    bool failed() override;

    // Short enough that stop and pause are heard at once, long enough for a busy machine.
    static constexpr int kBufferMs = 50;

private:
    // The device's preferred format, or the nearest one it takes with a sample format of ours;
    // invalid when it takes none.
    static QAudioFormat negotiate(const QAudioDevice &device);

    QAudioDevice m_device;
    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_io = nullptr;
    QByteArray m_bytes;
};

} // namespace ortelia
