#include "engine/sound/wave_format.h"

#include <cstring>

namespace sound {
namespace {

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(U16(p)) | (static_cast<std::uint32_t>(U16(p + 2)) << 16);
}

// The fields before the extension, and the extension of an extensible format: its size,
// valid bits, channel mask and the sub-format's GUID.
constexpr std::size_t kPlainSize = 16;
constexpr std::size_t kExtensionSize = 22;
constexpr std::size_t kExtensibleSize = kPlainSize + 2 + kExtensionSize;
// Every standard sub-format is its 16-bit tag followed by these bytes of one GUID.
constexpr std::uint8_t kGuidTail[] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                      0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

}  // namespace

bool ReadWaveFormat(const std::uint8_t* body, std::size_t size, WaveFormat& out) {
    if (size < kPlainSize) return false;
    out = {};
    out.format_tag = U16(body);
    out.channels = U16(body + 2);
    out.samples_per_second = U32(body + 4);
    out.bytes_per_second = U32(body + 8);
    out.block_align = U16(body + 12);
    out.bits_per_sample = U16(body + 14);
    if (out.format_tag != kWaveFormatExtensible) return true;
    if (size < kExtensibleSize || U16(body + kPlainSize) < kExtensionSize) return false;
    const std::uint8_t* guid = body + kPlainSize + 8;
    if (std::memcmp(guid + 2, kGuidTail, sizeof kGuidTail) != 0) return false;
    out.sub_format = U16(guid);
    return true;
}

std::uint16_t SampleEncoding(const WaveFormat& f) {
    return f.format_tag == kWaveFormatExtensible ? f.sub_format : f.format_tag;
}

bool IsPlayable(const WaveFormat& f) {
    if (f.channels != 1 && f.channels != 2) return false;
    if (f.samples_per_second == 0) return false;
    switch (SampleEncoding(f)) {
        case kWaveFormatPcm:
            if (f.bits_per_sample != 8 && f.bits_per_sample != 16 && f.bits_per_sample != 24 &&
                f.bits_per_sample != 32)
                return false;
            break;
        case kWaveFormatFloat:
            if (f.bits_per_sample != 32 && f.bits_per_sample != 64) return false;
            break;
        default:
            return false;
    }
    return f.block_align == f.channels * f.bits_per_sample / 8;
}

}  // namespace sound
