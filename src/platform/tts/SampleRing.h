#pragma once

#include <QtGlobal>

#include <atomic>
#include <vector>

namespace ortelia {

// Samples passed from one writing thread to one reading thread without a lock.
class SampleRing {
public:
    explicit SampleRing(qsizetype capacity);

    // Writer: copies as many as fit; returns how many.
    qsizetype write(const qint16 *samples, qsizetype count);
    // Reader: takes up to count; returns how many.
    qsizetype read(qint16 *out, qsizetype count);

    qsizetype available() const;
    qsizetype space() const;

private:
    std::vector<qint16> m_data;
    // Running totals; their difference is the fill.
    std::atomic<qint64> m_written{0};
    std::atomic<qint64> m_read{0};
};

} // namespace ortelia
