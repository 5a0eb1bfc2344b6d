#include "engine/sound/null_synthesizer.h"

#include <algorithm>

#include "platform/audio_device.h"

namespace sound {

void NullSynthesizer::Send(std::int64_t position, const std::uint8_t* bytes, std::size_t count) {
    if (sink_) sink_->Receive(position, bytes, count);
}

void NullSynthesizer::Render(float* out, int frames) {
    if (frames > 0) std::fill(out, out + static_cast<std::size_t>(frames) * 2, 0.0f);
}

}  // namespace sound
