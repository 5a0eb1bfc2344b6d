#include "engine/sound/wave_samples.h"

#include <bit>
#include <cmath>

namespace sound {
namespace {

std::uint32_t Le(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

// Integer PCM: 8-bit samples are unsigned around 128, wider ones signed; full scale is the
// magnitude of the most negative value.
float Integer(const std::uint8_t* p, int bits) {
    if (bits == 8) return (static_cast<int>(p[0]) - 128) / 128.0f;
    const int bytes = bits / 8;
    // Shifted to the top of 32 bits, every width keeps its sign and shares one scale.
    const auto top = static_cast<std::int32_t>(Le(p, bytes) << (32 - bits));
    return static_cast<float>(top / 2147483648.0);
}

// Float samples may lie past full scale, or be no number at all; the mixer takes neither.
float Bounded(double v) {
    if (std::isnan(v)) return 0.0f;
    return static_cast<float>(v < -1.0 ? -1.0 : v > 1.0 ? 1.0 : v);
}

float Float(const std::uint8_t* p, int bits) {
    if (bits == 32) return Bounded(std::bit_cast<float>(Le(p, 4)));
    const std::uint64_t v = Le(p, 4) | (static_cast<std::uint64_t>(Le(p + 4, 4)) << 32);
    return Bounded(std::bit_cast<double>(v));
}

}  // namespace

float DecodeSample(const WaveFormat& f, const std::uint8_t* frame, int channel) {
    const int bytes = f.bits_per_sample / 8;
    const std::uint8_t* p = frame + channel * bytes;
    return SampleEncoding(f) == kWaveFormatFloat ? Float(p, f.bits_per_sample)
                                                 : Integer(p, f.bits_per_sample);
}

}  // namespace sound
