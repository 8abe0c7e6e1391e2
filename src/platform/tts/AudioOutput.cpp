#include "AudioOutput.h"

#include <limits>

namespace ortelia {

namespace {

// Frames made at most per write: the sink gets them in pieces of about 20 ms.
constexpr qsizetype kMaxBlock = 1024;

const QString &deviceFailed()
{
    static const QString text =
        QStringLiteral("Achtung : Die Tonausgabe ist ausgefallen, es wird ohne Ton weitergesprochen.");
    return text;
}

const QString &deviceUnusable()
{
    static const QString text =
        QStringLiteral("Achtung : Die Tonausgabe lässt sich nicht öffnen, es wird ohne Ton gesprochen.");
    return text;
}

} // namespace

AudioOutput::AudioOutput(int sourceRate) : m_sourceRate(sourceRate), m_timer(this)
{
    m_timer.setInterval(kTickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AudioOutput::tick);
}

AudioOutput::~AudioOutput() = default;

void AudioOutput::useSinks(const SinkFactory &factory)
{
    m_factory = factory;
    setSink(nullptr);
}

void AudioOutput::useSink(const std::shared_ptr<AudioSink> &sink)
{
    m_factory = nullptr;
    openSink(sink);
}

void AudioOutput::openSink(const std::shared_ptr<AudioSink> &sink)
{
    const bool opened = sink->open();
    setSink(opened ? sink : nullptr);
    if (!opened)
        fallBack(deviceUnusable());
}

void AudioOutput::setSink(std::shared_ptr<AudioSink> sink)
{
    dropStream();
    m_next.reset();
    m_mode = Mode::Idle;
    m_timer.stop();
    m_sink = std::move(sink);
    m_fellBack = false;
    m_written = 0;
    m_timeline.clear();
    m_heard = Mark();
    m_lastBuffered = 0;
    if (m_sink) {
        m_format = m_sink->format();
        m_resampler = std::make_unique<Resampler>(m_sourceRate, m_format.sampleRate);
    }
}

bool AudioOutput::ensureSink()
{
    if (!m_sink && m_factory)
        openSink(m_factory());
    return bool(m_sink);
}

void AudioOutput::fallBack(const QString &why)
{
    const SinkFormat format = m_sink ? m_sink->format() : SinkFormat{m_sourceRate, 1};
    auto paced = std::make_shared<PacedSink>(format);
    paced->open();
    // What the failed device still held plays on at real-time pace, so no word comes early.
    const std::vector<float> held(size_t(m_lastBuffered) * size_t(format.channels), 0.0f);
    paced->write(held.data(), m_lastBuffered);
    if (!m_resampler || format.sampleRate != m_format.sampleRate)
        m_resampler = std::make_unique<Resampler>(m_sourceRate, format.sampleRate);
    m_format = format;
    m_sink = std::move(paced);
    if (!m_fellBack)
        emit message(why);
    m_fellBack = true;
}

void AudioOutput::play(const std::shared_ptr<SpeechStream> &stream)
{
    const bool silent = m_mode == Mode::Idle || m_mode == Mode::Paused || m_mode == Mode::Ending;
    if (silent && m_fellBack && m_factory) {
        // The device may be back: try it once per request.
        const std::shared_ptr<AudioSink> device = m_factory();
        if (device->open())
            setSink(device);
    }
    if (!ensureSink())
        return;
    switch (m_mode) {
    case Mode::Idle:
    case Mode::Paused:
    case Mode::Ending:
        dropStream();
        start(stream);
        break;
    case Mode::Playing:
        m_next = stream;
        fadeOut(Then::Drop);
        break;
    case Mode::FadingOut:
    case Mode::Flushing:
        m_next = stream;
        m_then = Then::Drop;
        break;
    }
    m_timer.start();
}

void AudioOutput::stop()
{
    m_next.reset();
    switch (m_mode) {
    case Mode::Playing:
        fadeOut(Then::Drop);
        break;
    case Mode::FadingOut:
    case Mode::Flushing:
        m_then = Then::Drop;
        break;
    case Mode::Paused:
    case Mode::Ending:
        dropStream();
        m_mode = Mode::Idle;
        break;
    case Mode::Idle:
        break;
    }
}

void AudioOutput::pause()
{
    if (m_mode == Mode::Playing)
        fadeOut(Then::Pause);
    else if ((m_mode == Mode::FadingOut || m_mode == Mode::Flushing) && m_then == Then::Resume)
        m_then = Then::Pause;
}

void AudioOutput::resume()
{
    const int steps = m_sourceRate * kFadeMs / 1000;
    if (m_mode == Mode::Paused) {
        m_mode = Mode::Playing;
        m_fade.jumpTo(0.0f);
        m_fade.moveTo(1.0f, steps);
    } else if (m_mode == Mode::FadingOut && m_then == Then::Pause) {
        m_mode = Mode::Playing;
        m_fade.moveTo(1.0f, int(float(steps) * (1.0f - m_fade.value())));
    } else if (m_mode == Mode::Flushing && m_then == Then::Pause) {
        m_then = Then::Resume;
    }
}

void AudioOutput::setGains(float left, float right)
{
    const int steps = m_format.sampleRate * kGainRampMs / 1000;
    m_left.moveTo(left, steps);
    m_right.moveTo(right, steps);
}

void AudioOutput::shutdown()
{
    m_timer.stop();
    dropStream();
    m_next.reset();
    m_sink.reset();
}

void AudioOutput::start(const std::shared_ptr<SpeechStream> &stream)
{
    m_stream = stream;
    m_sourceRead = 0;
    m_mode = Mode::Playing;
    m_fade.jumpTo(0.0f);
    m_fade.moveTo(1.0f, m_sourceRate * kFadeMs / 1000);
}

void AudioOutput::fadeOut(Then then)
{
    m_mode = Mode::FadingOut;
    m_then = then;
    m_fade.moveTo(0.0f, int(float(m_sourceRate * kFadeMs / 1000) * m_fade.value()));
}

void AudioOutput::dropStream()
{
    if (m_stream)
        m_stream->cancel();
    m_stream.reset();
    m_pending.clear();
    if (m_resampler)
        m_resampler->reset();
}

void AudioOutput::finishFlush()
{
    m_resampler->reset();
    switch (m_then) {
    case Then::Pause:
        m_mode = Mode::Paused;
        break;
    case Then::Resume:
        m_mode = Mode::Paused;
        resume();
        break;
    case Then::Drop:
        dropStream();
        m_mode = Mode::Idle;
        if (m_next) {
            start(m_next);
            m_next.reset();
        }
        break;
    case Then::End:
        m_mode = Mode::Ending;
        m_endFrames = -1; // known once this block is written
        break;
    }
}

bool AudioOutput::refill(qsizetype wanted)
{
    if (m_mode != Mode::Playing && m_mode != Mode::FadingOut)
        return false;
    if (m_mode == Mode::FadingOut)
        wanted = std::min<qsizetype>(wanted, m_fade.stepsLeft());
    m_read.resize(size_t(wanted));
    const qsizetype got = m_stream->read(m_read.data(), wanted);
    m_sourceRead += got;
    if (m_mode == Mode::Playing) {
        if (got == 0 && m_stream->drained()) {
            m_mode = Mode::Flushing;
            m_then = Then::End;
        }
        for (qsizetype i = 0; i < got; ++i)
            m_pending.push_back(Pcm::toFloat(m_read[size_t(i)]) * m_fade.next());
        return got > 0;
    }
    // The fade is finished even when the stream has nothing more to give.
    std::fill(m_read.begin() + got, m_read.end(), qint16(0));
    for (qsizetype i = 0; i < wanted; ++i)
        m_pending.push_back(Pcm::toFloat(m_read[size_t(i)]) * m_fade.next());
    if (!m_fade.moving())
        m_mode = Mode::Flushing;
    return true;
}

qsizetype AudioOutput::render(qsizetype maxFrames)
{
    m_mono.resize(size_t(maxFrames));
    qsizetype made = 0;
    while (made < maxFrames) {
        const bool flushing = m_mode == Mode::Flushing;
        if (m_pending.empty() && !flushing) {
            const qsizetype wanted = qsizetype(double(maxFrames - made) / m_resampler->ratio()) + 1;
            if (!refill(wanted))
                break;
            continue;
        }
        const Resampler::Result r = m_resampler->process(m_pending.data(), qsizetype(m_pending.size()),
                                                         m_mono.data() + made, maxFrames - made, flushing);
        m_pending.erase(m_pending.begin(), m_pending.begin() + r.used);
        made += r.made;
        if (flushing && m_pending.empty() && r.made == 0) {
            const bool switching = m_then == Then::Drop;
            finishFlush();
            // A block belongs to one stream.
            if (switching && made > 0)
                break;
        } else if (r.used == 0 && r.made == 0) {
            break;
        }
    }
    expand(made);
    return made;
}

void AudioOutput::expand(qsizetype count)
{
    const int channels = m_format.channels;
    m_frames.resize(size_t(count) * size_t(channels));
    float *out = m_frames.data();
    for (qsizetype i = 0; i < count; ++i) {
        const float x = m_mono[size_t(i)];
        const float left = m_left.next();
        const float right = m_right.next();
        const float both = x * 0.5f * (left + right);
        if (channels == 1) {
            *out++ = both;
            continue;
        }
        *out++ = x * left;
        *out++ = x * right;
        for (int c = 2; c < channels; ++c)
            *out++ = both;
    }
}

void AudioOutput::tick()
{
    if (!m_sink)
        return;
    if (m_sink->failed())
        fallBack(deviceFailed());
    const qsizetype buffered = m_sink->bufferedFrames();
    const bool speaking = m_mode == Mode::Playing && !m_stream->drained();
    if (speaking && m_lastBuffered > 0 && buffered == 0)
        ++m_underruns;

    qsizetype room = m_sink->freeFrames();
    while (room > 0) {
        const qsizetype made = render(std::min(room, kMaxBlock));
        if (made == 0)
            break;
        if (!m_sink->write(m_frames.data(), made)) {
            fallBack(deviceFailed());
            m_sink->write(m_frames.data(), made);
        }
        m_written += made;
        m_timeline.push_back(
            {m_written, m_stream ? m_stream->id() : 0, m_sourceRead - qint64(m_pending.size())});
        room -= made;
    }
    if (m_mode == Mode::Ending && m_endFrames < 0)
        m_endFrames = m_written;
    m_lastBuffered = m_sink->bufferedFrames();
    if (m_mode == Mode::Playing)
        m_latencyMs = int(qint64(m_lastBuffered) * 1000 / m_format.sampleRate);
    report();
    if (m_mode == Mode::Idle && m_lastBuffered == 0)
        m_timer.stop();
}

qint64 AudioOutput::heardPosition(qint64 heardFrames)
{
    while (!m_timeline.empty() && m_timeline.front().frames <= heardFrames) {
        m_heard = m_timeline.front();
        m_timeline.pop_front();
    }
    const quint64 id = m_stream ? m_stream->id() : 0;
    const Mark from = m_heard.stream == id ? m_heard : Mark{m_heard.frames, id, 0};
    if (m_timeline.empty() || m_timeline.front().stream != id)
        return from.position;
    const Mark &to = m_timeline.front();
    return from.position +
           (to.position - from.position) * (heardFrames - from.frames) / (to.frames - from.frames);
}

void AudioOutput::report()
{
    if (!m_stream)
        return;
    const qint64 heardFrames = m_written - m_sink->bufferedFrames();
    const qint64 position = heardPosition(heardFrames);
    const bool ended = m_mode == Mode::Ending && m_endFrames >= 0 && heardFrames >= m_endFrames;
    const qint64 before = ended ? std::numeric_limits<qint64>::max() : position;
    const std::shared_ptr<SpeechStream> stream = m_stream;
    for (const SpeechStream::Word &word : stream->takeWordsBefore(before))
        emit wordHeard(stream->id(), word.start, word.length);
    if (ended) {
        dropStream();
        m_mode = Mode::Idle;
        emit streamEnded(stream->id());
    }
}

} // namespace ortelia
