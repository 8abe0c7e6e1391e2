#include "SpeechStream.h"

#include <chrono>

namespace ortelia {

bool SpeechStream::write(const qint16 *samples, qsizetype count, const QList<Word> &words)
{
    {
        std::lock_guard lock(m_mutex);
        m_words.insert(m_words.end(), words.cbegin(), words.cend());
    }
    while (!m_cancelled) {
        const qsizetype n = m_ring.write(samples, count);
        samples += n;
        count -= n;
        if (count == 0)
            return true;
        // The reader wakes us without the lock (it must never wait for this thread); the
        // timeout covers a wake-up that comes between the check and the wait.
        std::unique_lock lock(m_mutex);
        m_space.wait_for(lock, std::chrono::milliseconds(10),
                         [this] { return m_cancelled || m_ring.space() > 0; });
    }
    return false;
}

void SpeechStream::finish()
{
    m_finished = true;
}

void SpeechStream::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_space.notify_all();
}

qsizetype SpeechStream::read(qint16 *out, qsizetype count)
{
    const qsizetype n = m_ring.read(out, count);
    if (n > 0)
        m_space.notify_one();
    return n;
}

bool SpeechStream::drained() const
{
    return m_finished && m_ring.available() == 0;
}

QList<SpeechStream::Word> SpeechStream::takeWordsBefore(qint64 sample)
{
    // The audio thread does not wait for the worker: words it cannot take now it takes next time.
    std::unique_lock lock(m_mutex, std::try_to_lock);
    QList<Word> words;
    while (lock.owns_lock() && !m_words.empty() && m_words.front().sample < sample) {
        words << m_words.front();
        m_words.pop_front();
    }
    return words;
}

} // namespace ortelia
