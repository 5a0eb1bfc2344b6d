#include "engine/sound/wave_data.h"

#include <algorithm>
#include <cstring>

#include "engine/sound/wave_samples.h"

namespace sound {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

}  // namespace

bool ParseWave(const std::uint8_t* bytes, std::size_t size, WaveView& out) {
    if (!bytes || size < 12) return false;
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return false;
    // The RIFF size may claim more than the file holds; the walk stops at whichever ends first.
    const std::size_t riff_end =
        std::min<std::size_t>(size, 8 + static_cast<std::uint64_t>(U32(bytes + 4)));
    bool have_format = false, have_data = false;
    std::size_t pos = 12;
    while (!(have_format && have_data && out.data_size != 0)) {
        if (pos + 8 > riff_end) return false;
        const std::uint8_t* id = bytes + pos;
        const std::uint64_t length = U32(bytes + pos + 4);
        const std::size_t body = pos + 8;
        const std::size_t present =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, riff_end - body));
        if (!have_format && std::memcmp(id, "fmt ", 4) == 0) {
            if (!ReadWaveFormat(bytes + body, present, out.format) || !IsPlayable(out.format))
                return false;
            have_format = true;
        } else if (!have_data && std::memcmp(id, "data", 4) == 0) {
            out.data_offset = body;
            // A data size beyond the file keeps only the samples that are really there.
            out.data_size = present;
            have_data = true;
        }
        // An odd-length chunk is followed by a pad byte.
        const std::uint64_t next = body + length + (length & 1);
        pos = next > riff_end ? riff_end : static_cast<std::size_t>(next);
    }
    out.data_size -= out.data_size % out.format.block_align;
    return out.data_size != 0;
}

std::vector<float> ConvertToStereo(const WaveFormat& format, const std::uint8_t* samples,
                                   std::size_t size, int rate) {
    std::vector<float> stereo;
    if (!IsPlayable(format) || rate <= 0 || !samples) return stereo;
    // Also bounds the growth of resampling, so a wave claiming a rate of 1 Hz cannot ask for
    // thousands of output samples per byte.
    if (format.samples_per_second < kLowestRate || format.samples_per_second > kHighestRate)
        return stereo;
    const std::size_t in_frames = size / format.block_align;
    if (in_frames == 0) return stereo;
    auto frame = [&](std::size_t i) { return samples + i * format.block_align; };
    auto left = [&](std::size_t i) { return DecodeSample(format, frame(i), 0); };
    auto right = [&](std::size_t i) {
        return DecodeSample(format, frame(i), format.channels == 2 ? 1 : 0);
    };
    if (format.samples_per_second == static_cast<std::uint32_t>(rate)) {
        stereo.resize(in_frames * 2);
        for (std::size_t i = 0; i < in_frames; ++i) {
            stereo[2 * i] = left(i);
            stereo[2 * i + 1] = right(i);
        }
        return stereo;
    }
    const double step = static_cast<double>(format.samples_per_second) / rate;
    const std::size_t out_frames =
        static_cast<std::size_t>(static_cast<double>(in_frames) * rate / format.samples_per_second);
    stereo.resize(std::max<std::size_t>(out_frames, 1) * 2);
    for (std::size_t i = 0; i < stereo.size() / 2; ++i) {
        const double at = i * step;
        const std::size_t i0 = std::min(static_cast<std::size_t>(at), in_frames - 1);
        const std::size_t i1 = std::min(i0 + 1, in_frames - 1);
        const float t = static_cast<float>(at - static_cast<double>(i0));
        stereo[2 * i] = left(i0) + (left(i1) - left(i0)) * t;
        stereo[2 * i + 1] = right(i0) + (right(i1) - right(i0)) * t;
    }
    return stereo;
}

}  // namespace sound
