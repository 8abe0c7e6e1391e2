#pragma once

#include <cstdint>

namespace ortelia {

// The loudest level of one channel; a volume slider (0 to 32767) at 0 gives it, at 32767 silence.
inline constexpr int kMaxVolumeLevel = 32767;

// The output volume as one 32-bit value: the right channel's level in the low word, the left's
// in the high word. rightSlider and leftSlider are the slider positions (HScroll1, HScroll2);
// each level is 32767 minus its slider, so both sliders at 0 give 0x7FFF7FFF.
uint32_t WaveOutVolume(int rightSlider, int leftSlider);

// The gains (0 = silent, 1 = loudest level) that the speech output multiplies its left and
// right samples with.
struct StereoGain {
    double left = 1.0;
    double right = 1.0;
};
StereoGain GainFromWaveOutVolume(uint32_t volume);

} // namespace ortelia
