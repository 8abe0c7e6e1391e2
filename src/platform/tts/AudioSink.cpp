#include "AudioSink.h"

namespace ortelia {

PacedSink::PacedSink(SinkFormat format, int bufferMs)
    : m_format(format), m_capacity(qint64(format.sampleRate) * bufferMs / 1000)
{
}

bool PacedSink::open()
{
    m_clock.start();
    return true;
}

void PacedSink::advance()
{
    if (!m_clock.isValid())
        m_clock.start();
    const qint64 now = m_clock.nsecsElapsed() * m_format.sampleRate / 1000000000;
    const qint64 played = std::min(m_buffered, now - m_clockFrames);
    m_clockFrames = now;
    m_buffered -= played;
    m_played += played;
}

qsizetype PacedSink::freeFrames()
{
    advance();
    return qsizetype(std::max<qint64>(0, m_capacity - m_buffered));
}

qsizetype PacedSink::bufferedFrames()
{
    advance();
    return qsizetype(m_buffered);
}

bool PacedSink::write(const float *, qsizetype count)
{
    advance();
    m_buffered += count;
    return true;
}

qint64 PacedSink::playedFrames()
{
    advance();
    return m_played;
}

bool RecordingSink::write(const float *frames, qsizetype count)
{
    std::lock_guard lock(m_mutex);
    for (qsizetype i = 0; i < count; ++i)
        m_samples << Pcm::toInt16(frames[i]);
    return true;
}

QList<qint16> RecordingSink::samples() const
{
    std::lock_guard lock(m_mutex);
    return m_samples;
}

} // namespace ortelia
