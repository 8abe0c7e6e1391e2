#include "PcmEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ortelia {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Just under full scale, so that no peak reaches it.
constexpr float kCeiling = 32000.0f;
constexpr double kReleaseSeconds = 0.05;

// std::round, halves away from zero, without its library call: adding just under one half and
// truncating rounds every float the same way. The limiter keeps the value within qint16.
qint16 roundedSample(float value)
{
    return qint16(int(value + std::copysign(0.49999997f, value)));
}
} // namespace

PcmEffects::PcmEffects(const VoiceSettings &settings, int sampleRate)
    : m_gain(float(settings.volumePercent) / 100.0f),
      m_roughDepth(0.9f * float(std::clamp(settings.roughnessPercent, 0, 250)) / 250.0f),
      m_echoGain(float(settings.echoGain)), m_feedback(float(settings.echoFeedback)),
      m_sampleRate(sampleRate), m_limiterRelease(float(1.0 - std::exp(-1.0 / (kReleaseSeconds * sampleRate))))
{
    const qint64 delay = qint64(settings.echoDelayMs) * sampleRate / 1000;
    if (delay > 0)
        m_delayLine.assign(size_t(delay), 0.0f);
}

float PcmEffects::rough(float sample)
{
    if (m_roughDepth <= 0.0f)
        return sample;
    if (m_phaseStep == 0.0 || m_phase >= kTwoPi) {
        m_phase = std::fmod(m_phase, kTwoPi);
        // A new modulation cycle at a random rate between 25 and 45 Hz (fixed seed: repeatable).
        m_random = m_random * 1664525u + 1013904223u;
        const double rate = 25.0 + 20.0 * double(m_random >> 8) / double(1u << 24);
        m_phaseStep = kTwoPi * rate / m_sampleRate;
    }
    const float modulation = 1.0f - m_roughDepth * float(0.5 - 0.5 * std::cos(m_phase));
    m_phase += m_phaseStep;
    return sample * modulation;
}

float PcmEffects::limit(float sample)
{
    const float magnitude = std::abs(sample);
    const float allowed = magnitude > kCeiling ? kCeiling / magnitude : 1.0f;
    m_limiterGain = std::min(allowed, m_limiterGain + (1.0f - m_limiterGain) * m_limiterRelease);
    return sample * m_limiterGain;
}

void PcmEffects::process(const qint16 *samples, qsizetype count, QList<qint16> &out)
{
    const qsizetype start = out.size();
    out.resize(start + count);
    qint16 *processed = out.data() + start;
    const bool shaped = m_roughDepth > 0.0f || !m_delayLine.empty() || m_gain != 1.0f;
    for (qsizetype i = 0; i < count; ++i) {
        // Most speech needs no shaping and no limiting: it passes as it is.
        if (!shaped && m_limiterGain == 1.0f && std::abs(samples[i]) <= kCeiling) {
            processed[i] = samples[i];
            continue;
        }
        float value = rough(float(samples[i]));
        if (!m_delayLine.empty()) {
            const float delayed = m_delayLine[m_delayPos];
            m_delayLine[m_delayPos] = value + m_feedback * delayed;
            m_delayPos = (m_delayPos + 1) % m_delayLine.size();
            value += m_echoGain * delayed;
        }
        processed[i] = roundedSample(limit(value * m_gain));
    }
}

void PcmEffects::finish(QList<qint16> &out)
{
    if (m_delayLine.empty())
        return;
    // With feedback the echo repeats; four delays let it fade out.
    const size_t tail = m_delayLine.size() * (m_feedback > 0.0f ? 4 : 1);
    const std::vector<qint16> silence(tail, 0);
    process(silence.data(), qsizetype(silence.size()), out);
}

} // namespace ortelia
