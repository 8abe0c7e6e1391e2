#include "SpeechStream.h"

namespace ortelia {

bool SpeechStream::write(const qint16 *samples, qsizetype count, const QList<Word> &words)
{
    std::unique_lock lock(m_mutex);
    m_words.insert(m_words.end(), words.cbegin(), words.cend());
    while (!m_cancelled) {
        const qsizetype n = m_ring.write(samples, count);
        samples += n;
        count -= n;
        if (count == 0)
            return true;
        m_space.wait(lock, [this] { return m_cancelled || m_ring.space() > 0; });
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
    if (n > 0) {
        // Under the lock: the worker cannot be between its check and its wait, so it is woken.
        std::lock_guard lock(m_mutex);
        m_space.notify_one();
    }
    return n;
}

bool SpeechStream::drained() const
{
    return m_finished && m_ring.available() == 0;
}

QList<SpeechStream::Word> SpeechStream::takeWordsBefore(qint64 sample)
{
    std::lock_guard lock(m_mutex);
    QList<Word> words;
    while (!m_words.empty() && m_words.front().sample < sample) {
        words << m_words.front();
        m_words.pop_front();
    }
    return words;
}

} // namespace ortelia
