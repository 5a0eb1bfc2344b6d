// WAVE data: the RIFF "WAVE" parser and the conversion of its PCM to the mixer's float stereo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sound {

struct WaveFormat {
    std::uint16_t format_tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samples_per_second = 0;
    std::uint32_t bytes_per_second = 0;
    std::uint16_t block_align = 0;
    std::uint16_t bits_per_sample = 0;
};

struct WaveView {
    WaveFormat format;
    std::size_t data_offset = 0;  // into the bytes given to ParseWave
    std::size_t data_size = 0;    // whole sample frames, never past the bytes given
};

constexpr std::uint16_t kWaveFormatPcm = 1;

// Finds the format and the samples of a RIFF "WAVE" image. Only PCM of 8 or 16 bits, mono or
// stereo, is accepted. Nothing outside `size` bytes is read, whatever the sizes inside claim.
bool ParseWave(const std::uint8_t* bytes, std::size_t size, WaveView& out);

// The playback rates a sound buffer takes; a wave outside them makes no buffer.
constexpr std::uint32_t kLowestRate = 100;
constexpr std::uint32_t kHighestRate = 200000;

// The samples as interleaved float stereo at `rate`, resampled linearly; empty for a wave whose
// own rate lies outside kLowestRate..kHighestRate.
std::vector<float> ConvertToStereo(const WaveFormat& format, const std::uint8_t* samples,
                                   std::size_t size, int rate);

}  // namespace sound
