#include "SpeechEngine.h"

#include "AudioOutput.h"
#include "PcmEffects.h"
#include "RealTimeThread.h"
#include "SpeechStream.h"
#include "Synthesizer.h"
#include "VoiceMarkup.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace ortelia {

namespace {

// The worker synthesises at most this far ahead of what the audio output has taken.
constexpr int kSecondsAhead = 5;

std::function<SpeechEngine::SinkFactory()> g_soundCard;

} // namespace

SpeechEngine::SpeechEngine()
    : m_synthesizer(std::make_unique<Synthesizer>()), m_currentVoice(VoiceTable::kDefaultVoice)
{
}

AudioOutput *SpeechEngine::output()
{
    // Started on first use: speech into a file ("say --wav") needs neither thread.
    if (m_output)
        return m_output;
    m_output = new AudioOutput(sampleRate());
    m_output->moveToThread(&m_audioThread);
    connect(m_output, &AudioOutput::wordHeard, this, [this](quint64 stream, int start, int length) {
        if (m_active && m_stream && m_stream->id() == stream)
            emit wordSpoken(start, length);
    });
    connect(m_output, &AudioOutput::streamEnded, this, [this](quint64 stream) {
        if (!m_active || !m_stream || m_stream->id() != stream)
            return;
        m_active = false;
        m_paused = false;
        m_stream.reset();
        emit finished();
    });
    connect(m_output, &AudioOutput::message, this, &SpeechEngine::message);
    m_audioThread.setObjectName(QStringLiteral("ortelia-audio"));
    m_audioThread.start(QThread::TimeCriticalPriority);
    QMetaObject::invokeMethod(m_output, &runInRealTime);
    m_worker = std::thread([this] { runWorker(); });
    return m_output;
}

SpeechEngine::~SpeechEngine()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_job.reset();
    }
    if (m_stream)
        m_stream->cancel();
    if (!m_output)
        return;
    m_wake.notify_all();
    m_worker.join();
    QMetaObject::invokeMethod(m_output, &AudioOutput::shutdown, Qt::BlockingQueuedConnection);
    m_audioThread.quit();
    m_audioThread.wait();
    delete m_output;
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
    const Prepared prepared = prepare(request);
    if (prepared.all.isEmpty())
        return;
    m_speed = prepared.all.first().settings.speedPercent;
    if (!m_outputChosen)
        useDefaultOutput();

    Job job{std::make_shared<SpeechStream>(++m_streams, qsizetype(kSecondsAhead) * sampleRate()),
            prepared.loadable};
    m_stream = job.stream;
    m_active = true;
    {
        std::lock_guard lock(m_mutex);
        m_job = std::move(job);
    }
    m_wake.notify_all();
    AudioOutput *out = output();
    QMetaObject::invokeMethod(out, [out, stream = m_stream] { out->play(stream); });
}

void SpeechEngine::pause()
{
    if (!m_active || m_paused)
        return;
    m_paused = true;
    QMetaObject::invokeMethod(output(), &AudioOutput::pause);
}

void SpeechEngine::resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    QMetaObject::invokeMethod(output(), &AudioOutput::resume);
}

void SpeechEngine::repeat()
{
    if (!m_lastRequest.isEmpty())
        speak(m_lastRequest);
}

void SpeechEngine::stop()
{
    if (m_stream)
        m_stream->cancel();
    {
        std::lock_guard lock(m_mutex);
        m_job.reset();
    }
    m_stream.reset();
    m_active = false;
    m_paused = false;
    if (m_output)
        QMetaObject::invokeMethod(m_output, &AudioOutput::stop);
}

void SpeechEngine::setOutputGains(double left, double right)
{
    m_left = std::clamp(left, 0.0, 1.0);
    m_right = std::clamp(right, 0.0, 1.0);
    AudioOutput *out = output();
    QMetaObject::invokeMethod(out, [out, l = float(m_left), r = float(m_right)] { out->setGains(l, r); });
}

void SpeechEngine::setOutput(std::unique_ptr<AudioSink> sink)
{
    stop();
    if (!sink) {
        useDefaultOutput();
        return;
    }
    m_outputChosen = true;
    AudioOutput *out = output();
    QMetaObject::invokeMethod(
        out, [out, shared = std::shared_ptr<AudioSink>(std::move(sink))] { out->useSink(shared); });
}

void SpeechEngine::setSoundCard(std::function<SinkFactory()> soundCard)
{
    g_soundCard = std::move(soundCard);
}

void SpeechEngine::useDefaultOutput()
{
    m_outputChosen = true;
    // The device is looked up here, on the user-interface thread that owns Qt Multimedia; its
    // sink is made on the audio thread that feeds it.
    AudioOutput::SinkFactory factory;
    if (g_soundCard && qgetenv("ORTELIA_AUDIO") != "null")
        factory = g_soundCard();
    if (!factory) {
        const int rate = sampleRate();
        factory = [rate] { return std::make_unique<PacedSink>(SinkFormat{rate, 1}); };
    }
    AudioOutput *out = output();
    QMetaObject::invokeMethod(out, [out, factory] { out->useSinks(factory); });
}

int SpeechEngine::underruns() const
{
    return m_output ? m_output->underruns() : 0;
}

int SpeechEngine::outputLatencyMs() const
{
    return m_output ? m_output->latencyMs() : 0;
}

QList<bool> SpeechEngine::checkVoices(const QList<Utterance> &utterances)
{
    QList<bool> loadable;
    QList<int> reported;
    for (const Utterance &utterance : utterances) {
        const int voice = utterance.settings.voice;
        loadable << m_synthesizer->canLoad(voice);
        if (loadable.last() || reported.contains(voice))
            continue;
        reported << voice;
        // Queued: whoever shows the line may speak it, and this request is not set up yet.
        const QString text =
            QStringLiteral("Achtung : Die Stimme %1 lässt sich nicht laden, ihr Text wird nicht gesprochen.")
                .arg(VoiceTable::alias(voice));
        QMetaObject::invokeMethod(
            this, [this, text] { emit message(text); }, Qt::QueuedConnection);
    }
    return loadable;
}

void SpeechEngine::runWorker()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || m_job; });
            if (m_quit)
                return;
            job = std::move(*m_job);
            m_job.reset();
        }
        synthesize(job);
    }
}

SpeechEngine::Prepared SpeechEngine::prepare(const QString &request)
{
    VoiceSettings start;
    start.voice = m_currentVoice;
    Prepared prepared;
    prepared.all = VoiceMarkup::interpret(request, start);
    const QList<bool> loadable = checkVoices(prepared.all);
    appendToLog(prepared.all, loadable);
    for (qsizetype i = 0; i < prepared.all.size(); ++i) {
        if (loadable[i])
            prepared.loadable << prepared.all[i];
    }
    return prepared;
}

bool SpeechEngine::record(const QString &request,
                          const std::function<bool(const qint16 *samples, qsizetype count)> &write)
{
    stop();
    return synthesize(prepare(request).loadable,
                      [&write](const qint16 *samples, qsizetype count, const QList<SpeechStream::Word> &) {
                          return write(samples, count);
                      });
}

void SpeechEngine::synthesize(const Job &job)
{
    SpeechStream &stream = *job.stream;
    const bool whole = synthesize(job.utterances, [&stream](const qint16 *samples, qsizetype count,
                                                            const QList<SpeechStream::Word> &words) {
        return stream.write(samples, count, words);
    });
    if (whole)
        stream.finish();
}

bool SpeechEngine::synthesize(const QList<Utterance> &utterances, const WriteSamples &write)
{
    const std::lock_guard lock(m_synthesis);
    qint64 position = 0;
    for (const Utterance &utterance : utterances) {
        PcmEffects effects(utterance.settings, sampleRate());
        QList<qint16> processed;
        bool going = true;
        const auto send = [&](const QList<SpeechStream::Word> &words) {
            going = write(processed.constData(), processed.size(), words);
            position += processed.size();
            processed.clear();
            return going;
        };
        const SpokenLine line = utterance.speech();
        {
            const qint64 lineStart = position;
            const auto receive = [&](const qint16 *samples, int count, const QList<SynthesizedWord> &words) {
                QList<SpeechStream::Word> marks;
                for (const SynthesizedWord &word : words) {
                    const qsizetype first = word.start;
                    const qsizetype last = word.start + word.length - 1;
                    if (word.length <= 0 || first < 0 || last >= line.sourcePositions.size())
                        continue;
                    const qsizetype start = line.sourcePositions[first];
                    marks << SpeechStream::Word{lineStart + word.sample, int(start),
                                                int(line.sourcePositions[last] + 1 - start)};
                }
                effects.process(samples, count, processed);
                return send(marks);
            };
            m_synthesizer->synthesize(utterance.settings, line.text, receive);
            if (!going)
                return false;
        }
        effects.finish(processed);
        if (!processed.isEmpty() && !send({}))
            return false;
    }
    return true;
}

void SpeechEngine::appendToLog(const QList<Utterance> &utterances, const QList<bool> &spoken)
{
    const QString path = qEnvironmentVariable("ORTELIA_SPEECH_LOG");
    if (path.isEmpty() || utterances.isEmpty())
        return;
    QString lines;
    for (qsizetype i = 0; i < utterances.size(); ++i) {
        lines += utterances[i].settings.describe() + QLatin1Char('\t') + utterances[i].text();
        if (!spoken[i])
            lines += QStringLiteral("\tnicht gesprochen");
        lines += QLatin1Char('\n');
    }
    // One unbuffered write per request: the lines of programs speaking at the same time do not
    // interleave.
    QFile log(path);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        log.write(lines.toUtf8());
}

} // namespace ortelia
