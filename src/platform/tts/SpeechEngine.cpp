#include "SpeechEngine.h"

#include "PcmEffects.h"
#include "Synthesizer.h"
#include "VoiceMarkup.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace ortelia {

namespace {

// The worker synthesises at most this far ahead of what has been played.
constexpr int kSecondsAhead = 5;

SpeechEngine *g_engine = nullptr;

void destroyEngine()
{
    delete g_engine;
    g_engine = nullptr;
}

} // namespace

SpeechEngine &SpeechEngine::instance()
{
    if (!g_engine) {
        g_engine = new SpeechEngine;
        qAddPostRoutine(destroyEngine);
    }
    return *g_engine;
}

SpeechEngine::SpeechEngine()
    : m_synthesizer(std::make_unique<Synthesizer>()), m_currentVoice(VoiceTable::kDefaultVoice)
{
    m_timer.setInterval(10);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SpeechEngine::pump);
    m_worker = std::thread([this] { runWorker(); });
}

SpeechEngine::~SpeechEngine()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        ++m_generation;
    }
    m_wake.notify_all();
    m_worker.join();
}

int SpeechEngine::count() const
{
    return VoiceTable::count();
}

QString SpeechEngine::alias(int index) const
{
    return VoiceTable::alias(index);
}

void SpeechEngine::select(int index)
{
    if (index >= 0 && index < count())
        m_currentVoice = index;
}

int SpeechEngine::sampleRate() const
{
    return m_synthesizer->isAvailable() ? m_synthesizer->sampleRate() : 22050;
}

void SpeechEngine::speak(const QString &request)
{
    stop();
    m_lastRequest = request;
    emit started(request);
    VoiceSettings start;
    start.voice = m_currentVoice;
    const QList<Utterance> utterances = VoiceMarkup::interpret(request, start);
    appendToLog(utterances);
    if (utterances.isEmpty())
        return;
    m_speed = utterances.first().settings.speedPercent;
    if (!m_output) {
        m_output = AudioOutput::createDefault(sampleRate());
        m_output->setGains(float(m_left), float(m_right));
    }
    m_output->begin();
    m_active = true;
    {
        std::lock_guard lock(m_mutex);
        m_playing = ++m_generation;
        m_produced = 0;
        m_played = 0;
        m_job = utterances;
    }
    m_wake.notify_all();
    m_timer.start();
}

void SpeechEngine::pause()
{
    if (!m_active || m_paused)
        return;
    m_paused = true;
    m_output->setPaused(true);
}

void SpeechEngine::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_output->setPaused(false);
}

void SpeechEngine::repeat()
{
    if (!m_lastRequest.isEmpty())
        speak(m_lastRequest);
}

void SpeechEngine::setOutputGains(double left, double right)
{
    m_left = std::clamp(left, 0.0, 1.0);
    m_right = std::clamp(right, 0.0, 1.0);
    if (m_output)
        m_output->setGains(float(m_left), float(m_right));
}

void SpeechEngine::setOutput(std::unique_ptr<AudioOutput> output)
{
    stop();
    m_output = std::move(output);
    if (m_output)
        m_output->setGains(float(m_left), float(m_right));
}

void SpeechEngine::stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_playing = ++m_generation;
        m_job.reset();
        m_chunks.clear();
    }
    m_wake.notify_all();
    m_timer.stop();
    if (m_output && m_active)
        m_output->stop();
    m_pending.clear();
    m_pendingOffset = 0;
    m_words.clear();
    m_written = 0;
    m_active = false;
    m_paused = false;
    m_synthesisDone = false;
}

void SpeechEngine::pump()
{
    m_pumpPosted = false;
    if (!m_active)
        return;
    const quint64 playing = m_playing;
    {
        std::lock_guard lock(m_mutex);
        for (Chunk &chunk : m_chunks) {
            if (chunk.generation != playing)
                continue;
            m_pending.insert(m_pending.end(), chunk.samples.begin(), chunk.samples.end());
            m_words << chunk.words;
            m_synthesisDone = m_synthesisDone || chunk.last;
        }
        m_chunks.clear();
    }
    if (m_pendingOffset < m_pending.size()) {
        const qsizetype taken = m_output->write(m_pending.data() + m_pendingOffset,
                                                qsizetype(m_pending.size() - m_pendingOffset));
        m_pendingOffset += size_t(taken);
        m_written += taken;
        if (m_pendingOffset == m_pending.size()) {
            m_pending.clear();
            m_pendingOffset = 0;
        }
    }
    const qint64 played = m_output->playedSamples();
    {
        std::lock_guard lock(m_mutex);
        m_played = played;
    }
    m_wake.notify_all();

    const bool ended = m_synthesisDone && m_pending.empty() && played >= m_written;
    // A handler may stop or replace the speech: then this request is over.
    while (!m_words.isEmpty() && (ended || m_words.first().sample <= played)) {
        const WordMark word = m_words.takeFirst();
        emit wordSpoken(word.start, word.length);
        if (m_playing != playing)
            return;
    }
    if (ended) {
        m_active = false;
        m_timer.stop();
        emit finished();
    }
}

void SpeechEngine::runWorker()
{
    for (;;) {
        QList<Utterance> job;
        quint64 generation = 0;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || m_job; });
            if (m_quit)
                return;
            job = std::move(*m_job);
            m_job.reset();
            generation = m_generation;
        }
        synthesize(generation, job);
    }
}

void SpeechEngine::synthesize(quint64 generation, const QList<Utterance> &utterances)
{
    qint64 position = 0;
    bool going = true;
    for (const Utterance &utterance : utterances) {
        PcmEffects effects(utterance.settings, sampleRate());
        const auto send = [&](QList<qint16> &samples, QList<WordMark> words) {
            Chunk chunk;
            chunk.generation = generation;
            chunk.samples.assign(samples.cbegin(), samples.cend());
            chunk.words = std::move(words);
            position += samples.size();
            samples.clear();
            return deliver(std::move(chunk));
        };
        for (const SpokenLine &line : utterance.lines) {
            const qint64 lineStart = position;
            QList<qint16> processed;
            const auto receive = [&](const qint16 *samples, int count, const QList<SynthesizedWord> &words) {
                QList<WordMark> marks;
                for (const SynthesizedWord &word : words) {
                    const qsizetype first = word.start;
                    const qsizetype last = word.start + word.length - 1;
                    if (word.length <= 0 || first < 0 || last >= line.sourcePositions.size())
                        continue;
                    const qsizetype start = line.sourcePositions[first];
                    marks << WordMark{lineStart + word.sample, int(start),
                                      int(line.sourcePositions[last] + 1 - start)};
                }
                effects.process(samples, count, processed);
                going = send(processed, marks);
                return going;
            };
            m_synthesizer->synthesize(utterance.settings, line.text, receive);
            if (!going)
                return;
        }
        QList<qint16> tail;
        effects.finish(tail);
        if (!tail.isEmpty() && !send(tail, {}))
            return;
    }
    Chunk last;
    last.generation = generation;
    last.last = true;
    deliver(std::move(last));
}

bool SpeechEngine::deliver(Chunk chunk)
{
    {
        std::unique_lock lock(m_mutex);
        const qint64 ahead = qint64(kSecondsAhead) * sampleRate();
        m_wake.wait(lock, [&] {
            return m_quit || m_generation != chunk.generation || m_produced - m_played < ahead;
        });
        if (m_quit || m_generation != chunk.generation)
            return false;
        m_produced += qint64(chunk.samples.size());
        m_chunks.push_back(std::move(chunk));
    }
    if (!m_pumpPosted.exchange(true))
        QMetaObject::invokeMethod(this, &SpeechEngine::pump, Qt::QueuedConnection);
    return true;
}

void SpeechEngine::appendToLog(const QList<Utterance> &utterances)
{
    const QString path = qEnvironmentVariable("ORTELIA_SPEECH_LOG");
    if (path.isEmpty() || utterances.isEmpty())
        return;
    QString lines;
    for (const Utterance &utterance : utterances)
        lines += utterance.settings.describe() + QLatin1Char('\t') + utterance.text() + QLatin1Char('\n');
    // One unbuffered write per request: the lines of programs speaking at the same time do not
    // interleave.
    QFile log(path);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        log.write(lines.toUtf8());
}

} // namespace ortelia
