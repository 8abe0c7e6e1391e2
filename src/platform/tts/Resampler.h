#pragma once

#include <QtGlobal>

typedef struct SRC_STATE_tag SRC_STATE;

namespace ortelia {

// Converts mono audio from one sample rate to another with libsamplerate's band-limited sinc
// converter; equal rates pass unchanged.
class Resampler {
public:
    Resampler(int fromRate, int toRate);
    ~Resampler();
    Resampler(const Resampler &) = delete;
    Resampler &operator=(const Resampler &) = delete;

    struct Result {
        qsizetype used; // input samples consumed
        qsizetype made; // output samples written
    };
    // With end set, the input is the last one and the converter's delay is flushed out.
    Result process(const float *in, qsizetype inCount, float *out, qsizetype outCapacity, bool end);
    // Forgets what the converter still holds.
    void reset();
    // Output samples per input sample.
    double ratio() const { return m_ratio; }

private:
    SRC_STATE *m_state = nullptr;
    double m_ratio;
};

} // namespace ortelia
