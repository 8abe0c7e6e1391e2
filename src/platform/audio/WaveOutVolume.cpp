#include "WaveOutVolume.h"

#include <algorithm>

namespace ortelia {

namespace {

uint32_t level(int slider)
{
    return static_cast<uint32_t>(kMaxVolumeLevel - std::clamp(slider, 0, kMaxVolumeLevel));
}

double gain(uint32_t word)
{
    return std::min(1.0, static_cast<double>(word) / kMaxVolumeLevel);
}

} // namespace

uint32_t WaveOutVolume(int rightSlider, int leftSlider)
{
    return level(rightSlider) + level(leftSlider) * 65536u;
}

StereoGain GainFromWaveOutVolume(uint32_t volume)
{
    return {gain(volume >> 16), gain(volume & 0xFFFFu)};
}

} // namespace ortelia
