// WAVE data: the RIFF "WAVE" parser and the conversion of its samples to the mixer's float
// stereo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/sound/wave_format.h"

namespace sound {

struct WaveView {
    WaveFormat format;
    std::size_t data_offset = 0;  // into the bytes given to ParseWave
    std::size_t data_size = 0;    // whole sample frames, never past the bytes given
};

// Finds the format and the samples of a RIFF "WAVE" image. Only a playable format (see
// IsPlayable) is accepted. Nothing outside `size` bytes is read, whatever the sizes inside
// claim.
bool ParseWave(const std::uint8_t* bytes, std::size_t size, WaveView& out);

// The playback rates a sound buffer takes; a wave outside them makes no buffer.
constexpr std::uint32_t kLowestRate = 100;
constexpr std::uint32_t kHighestRate = 200000;

// The samples as interleaved float stereo at `rate`, resampled linearly; empty for a wave whose
// own rate lies outside kLowestRate..kHighestRate.
std::vector<float> ConvertToStereo(const WaveFormat& format, const std::uint8_t* samples,
                                   std::size_t size, int rate);

}  // namespace sound
