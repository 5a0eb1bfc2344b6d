// The "fmt " chunk of a WAVE file: the plain layout and WAVE_FORMAT_EXTENSIBLE, and which of
// the encodings they name the mixer plays.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sound {

struct WaveFormat {
    std::uint16_t format_tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samples_per_second = 0;
    std::uint32_t bytes_per_second = 0;
    std::uint16_t block_align = 0;
    std::uint16_t bits_per_sample = 0;
    // The encoding an extensible format names in its sub-format; 0 for a plain format.
    std::uint16_t sub_format = 0;
};

constexpr std::uint16_t kWaveFormatPcm = 1;
constexpr std::uint16_t kWaveFormatFloat = 3;
constexpr std::uint16_t kWaveFormatExtensible = 0xFFFE;

// Reads the chunk body of `size` bytes. False when it is too short for the layout its tag
// names, or when an extensible format names a sub-format outside the standard family.
bool ReadWaveFormat(const std::uint8_t* body, std::size_t size, WaveFormat& out);

// The encoding of the samples: the tag itself, or the sub-format of an extensible format.
std::uint16_t SampleEncoding(const WaveFormat& format);

// Mono or stereo integer PCM of 8, 16, 24 or 32 bits or float of 32 or 64 bits, in frames
// exactly as wide as its samples. Compressed encodings are not played.
bool IsPlayable(const WaveFormat& format);

}  // namespace sound
