// One sample of a playable WAVE format (see IsPlayable) as a float in -1..1.
#pragma once

#include <cstdint>

#include "engine/sound/wave_format.h"

namespace sound {

// `frame` points at a whole frame of `format`; `channel` is below its channel count.
float DecodeSample(const WaveFormat& format, const std::uint8_t* frame, int channel);

}  // namespace sound
