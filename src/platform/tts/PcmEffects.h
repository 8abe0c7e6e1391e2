#pragma once

#include "VoiceMarkup.h"

#include <QList>

#include <cstdint>
#include <vector>

namespace ortelia {

// Roughness, echo, volume and a limiter applied to synthesised speech (16-bit mono), in this
// order.
// - Roughness n %: the amplitude is modulated at a jittered 25..45 Hz with a depth of
//   0.9 * n / 250, which gives the voice a rattling, gravelly sound.
// - Echo: a copy delayed by n ms at the echo gain (0.4) is added; with feedback the copy is fed
//   back into the delay. The echo's tail is added after the last sample.
// - Volume n %: gain n / 100.
// - Limiter: peaks stay under full scale without clipping: the gain drops at once to what a
//   peak allows and comes back over about 50 ms.
class PcmEffects {
public:
    PcmEffects(const VoiceSettings &settings, int sampleRate);

    // Appends the processed samples to out.
    void process(const qint16 *samples, qsizetype count, QList<qint16> &out);
    // Appends the echo's tail; nothing without echo.
    void finish(QList<qint16> &out);

private:
    float rough(float sample);
    float limit(float sample);

    float m_gain;
    float m_roughDepth;
    float m_echoGain;
    float m_feedback;
    int m_sampleRate;
    std::vector<float> m_delayLine;
    size_t m_delayPos = 0;
    double m_phase = 0.0;
    double m_phaseStep = 0.0;
    std::uint32_t m_random = 0x2545F491u;
    float m_limiterGain = 1.0f;
    float m_limiterRelease;
};

} // namespace ortelia
