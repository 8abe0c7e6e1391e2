#include "SampleRing.h"

#include <algorithm>

namespace ortelia {

SampleRing::SampleRing(qsizetype capacity) : m_data(size_t(std::max<qsizetype>(capacity, 1)))
{
}

qsizetype SampleRing::write(const qint16 *samples, qsizetype count)
{
    const qint64 written = m_written.load(std::memory_order_relaxed);
    const qint64 read = m_read.load(std::memory_order_acquire);
    const qint64 size = qint64(m_data.size());
    const qsizetype n = qsizetype(std::min<qint64>(count, size - (written - read)));
    const size_t at = size_t(written % size);
    const size_t first = std::min(size_t(n), m_data.size() - at);
    std::copy(samples, samples + first, m_data.begin() + qsizetype(at));
    std::copy(samples + first, samples + n, m_data.begin());
    m_written.store(written + n, std::memory_order_release);
    return n;
}

qsizetype SampleRing::read(qint16 *out, qsizetype count)
{
    const qint64 read = m_read.load(std::memory_order_relaxed);
    const qint64 written = m_written.load(std::memory_order_acquire);
    const qint64 size = qint64(m_data.size());
    const qsizetype n = qsizetype(std::min<qint64>(count, written - read));
    const size_t at = size_t(read % size);
    const size_t first = std::min(size_t(n), m_data.size() - at);
    std::copy(m_data.begin() + qsizetype(at), m_data.begin() + qsizetype(at + first), out);
    std::copy(m_data.begin(), m_data.begin() + qsizetype(size_t(n) - first), out + first);
    m_read.store(read + n, std::memory_order_release);
    return n;
}

qsizetype SampleRing::available() const
{
    return qsizetype(m_written.load(std::memory_order_acquire) - m_read.load(std::memory_order_acquire));
}

qsizetype SampleRing::space() const
{
    return qsizetype(m_data.size()) - available();
}

} // namespace ortelia
