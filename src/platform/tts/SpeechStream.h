#pragma once

#include "SampleRing.h"

#include <QList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace ortelia {

// One request's speech on its way from the synthesis worker to the audio output: mono samples
// at the synthesis rate, and the words that start in them. The worker writes, the audio thread
// reads; either side may give up.
class SpeechStream {
public:
    struct Word {
        qint64 sample; // where the word starts in the stream
        int start;     // its place in the request text
        int length;
    };

    SpeechStream(quint64 id, qsizetype capacity) : m_id(id), m_ring(capacity) {}
    quint64 id() const { return m_id; }

    // Worker: adds the words, then the samples, waiting while the stream is full. False once the
    // stream has been cancelled.
    bool write(const qint16 *samples, qsizetype count, const QList<Word> &words);
    // Worker: nothing more will be written.
    void finish();
    // Any thread: the stream is no longer wanted; the worker's waits end at once.
    void cancel();
    bool cancelled() const { return m_cancelled.load(); }

    // Audio thread: takes up to count samples.
    qsizetype read(qint16 *out, qsizetype count);
    // Audio thread: finished and everything read.
    bool drained() const;
    // Audio thread: the words starting before sample, in order, taken out of the stream.
    QList<Word> takeWordsBefore(qint64 sample);

private:
    quint64 m_id;
    SampleRing m_ring;
    std::mutex m_mutex; // guards m_words and the worker's wait
    std::condition_variable m_space;
    std::deque<Word> m_words;
    std::atomic_bool m_finished{false};
    std::atomic_bool m_cancelled{false};
};

} // namespace ortelia
