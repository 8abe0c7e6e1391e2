#pragma once

#include "AudioSink.h"

#include <QList>

#include <mutex>

namespace ortelia::test {

// A sound card stand-in: it plays at real-time pace, keeps what it is given (interleaved 16-bit
// frames) and counts the gaps, the times it had run dry before more came. Its buffer is long, so
// that a machine busy with other work does not make gaps of its own.
class TapeSink : public PacedSink {
public:
    explicit TapeSink(SinkFormat format = {22050, 1}, int bufferMs = 200) : PacedSink(format, bufferMs) {}

    bool write(const float *frames, qsizetype count) override
    {
        std::lock_guard lock(m_mutex);
        if (!m_samples.isEmpty() && bufferedFrames() == 0)
            ++m_gaps;
        for (qsizetype i = 0; i < count * format().channels; ++i)
            m_samples << Pcm::toInt16(frames[i]);
        return PacedSink::write(frames, count);
    }

    QList<qint16> samples() const
    {
        std::lock_guard lock(m_mutex);
        return m_samples;
    }
    int gaps() const
    {
        std::lock_guard lock(m_mutex);
        return m_gaps;
    }

private:
    mutable std::mutex m_mutex;
    QList<qint16> m_samples;
    int m_gaps = 0;
};

// A sound card that stops working once it has played for a while.
class FailingSink : public TapeSink {
public:
    explicit FailingSink(int failAfterMs) : m_failAt(qint64(format().sampleRate) * failAfterMs / 1000) {}

    bool failed() override { return playedFrames() >= m_failAt; }
    bool write(const float *frames, qsizetype count) override
    {
        return !failed() && TapeSink::write(frames, count);
    }

private:
    qint64 m_failAt;
};

} // namespace ortelia::test
