#include "Resampler.h"

#include <samplerate.h>

#include <algorithm>

namespace ortelia {

Resampler::Resampler(int fromRate, int toRate) : m_ratio(double(toRate) / double(fromRate))
{
    if (fromRate != toRate) {
        int error = 0;
        m_state = src_new(SRC_SINC_FASTEST, 1, &error);
    }
}

Resampler::~Resampler()
{
    if (m_state)
        src_delete(m_state);
}

Resampler::Result Resampler::process(const float *in, qsizetype inCount, float *out, qsizetype outCapacity,
                                     bool end)
{
    if (!m_state) {
        const qsizetype n = std::min(inCount, outCapacity);
        std::copy(in, in + n, out);
        return {n, n};
    }
    static const float nothing = 0.0f;
    SRC_DATA data{};
    data.data_in = inCount > 0 ? in : &nothing;
    data.input_frames = long(inCount);
    data.data_out = out;
    data.output_frames = long(outCapacity);
    data.end_of_input = end ? 1 : 0;
    data.src_ratio = m_ratio;
    if (src_process(m_state, &data) != 0)
        return {inCount, 0};
    return {qsizetype(data.input_frames_used), qsizetype(data.output_frames_gen)};
}

void Resampler::reset()
{
    if (m_state)
        src_reset(m_state);
}

} // namespace ortelia
