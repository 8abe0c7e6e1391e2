#include "DeviceSink.h"

#include <QAudioSink>
#include <QIODevice>

#include <cstring>

namespace ortelia {

namespace {

bool isOurSampleFormat(QAudioFormat::SampleFormat format)
{
    return format == QAudioFormat::UInt8 || format == QAudioFormat::Int16 || format == QAudioFormat::Int32 ||
           format == QAudioFormat::Float;
}

QAudioFormat formatOf(int rate, int channels, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

template <class T> void put(char *to, T value)
{
    std::memcpy(to, &value, sizeof value);
}

} // namespace

DeviceSink::DeviceSink(const QAudioDevice &device) : m_device(device)
{
}

DeviceSink::~DeviceSink()
{
    if (m_sink)
        m_sink->stop();
}

QAudioFormat DeviceSink::negotiate(const QAudioDevice &device)
{
    const QAudioFormat preferred = device.preferredFormat();
    const int rate = preferred.sampleRate() > 0 ? preferred.sampleRate() : 48000;
    const QAudioFormat::SampleFormat sampleFormat =
        isOurSampleFormat(preferred.sampleFormat()) ? preferred.sampleFormat() : QAudioFormat::Int16;
    // Two channels carry the left and right gains; mono speech needs no more.
    const QList<QAudioFormat> candidates = {
        formatOf(rate, 2, sampleFormat),
        formatOf(rate, std::max(preferred.channelCount(), 1), sampleFormat),
        formatOf(48000, 2, QAudioFormat::Int16),
        formatOf(44100, 2, QAudioFormat::Int16),
        formatOf(48000, 2, QAudioFormat::Float),
        formatOf(22050, 2, QAudioFormat::Int16),
        formatOf(22050, 1, QAudioFormat::Int16),
    };
    for (const QAudioFormat &format : candidates) {
        if (device.isFormatSupported(format))
            return format;
    }
    return QAudioFormat();
}

bool DeviceSink::open()
{
    if (m_device.isNull())
        return false;
    m_format = negotiate(m_device);
    if (!m_format.isValid())
        return false;
    m_sink = std::make_unique<QAudioSink>(m_device, m_format);
    m_sink->setBufferSize(m_format.bytesForDuration(qint64(kBufferMs) * 1000));
    m_io = m_sink->start();
    return m_io && !failed();
}

SinkFormat DeviceSink::format() const
{
    return {m_format.sampleRate(), m_format.channelCount()};
}

qsizetype DeviceSink::freeFrames()
{
    return m_sink->bytesFree() / m_format.bytesPerFrame();
}

qsizetype DeviceSink::bufferedFrames()
{
    return std::max<qsizetype>(0, m_sink->bufferSize() - m_sink->bytesFree()) / m_format.bytesPerFrame();
}

bool DeviceSink::write(const float *frames, qsizetype count)
{
    const qsizetype samples = count * m_format.channelCount();
    const int bytesPerSample = m_format.bytesPerSample();
    m_bytes.resize(samples * bytesPerSample);
    char *to = m_bytes.data();
    for (qsizetype i = 0; i < samples; ++i, to += bytesPerSample) {
        const float x = std::clamp(frames[i], -1.0f, 1.0f);
        switch (m_format.sampleFormat()) {
        case QAudioFormat::UInt8:
            put(to, quint8(std::lround(x * 127.0f + 128.0f)));
            break;
        case QAudioFormat::Int32:
            put(to, qint32(std::lround(double(x) * 2147483647.0)));
            break;
        case QAudioFormat::Float:
            put(to, x);
            break;
        default:
            put(to, Pcm::toInt16(x));
            break;
        }
    }
    return m_io->write(m_bytes) >= 0 && !failed();
}

bool DeviceSink::failed()
{
    const QAudio::Error error = m_sink ? m_sink->error() : QAudio::OpenError;
    return error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError;
}

} // namespace ortelia
