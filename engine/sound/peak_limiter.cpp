#include "engine/sound/peak_limiter.h"

#include <algorithm>
#include <cmath>

namespace sound {
namespace {

// Held across a period of the lowest notes, so the gain does not follow the waveform itself
// (which would distort it), then released at a pace slow enough not to pump audibly on a
// steady loud passage; in decibels, so that it ends at exactly 1 and the mix is untouched again.
constexpr double kHoldSeconds = 0.025;
constexpr double kReleaseDecibelsPerSecond = 20.0;

}  // namespace

void PeakLimiter::SetRate(int rate) {
    rate = std::max(rate, 1);
    hold_frames_ = static_cast<int>(kHoldSeconds * rate);
    release_ = static_cast<float>(std::pow(10.0, kReleaseDecibelsPerSecond / 20.0 / rate));
}

void PeakLimiter::Process(float* stereo, int frames) {
    for (int i = 0; i < frames; ++i) {
        float* frame = stereo + 2 * i;
        if (hold_left_ > 0) {
            --hold_left_;
        } else if (gain_ < 1.0f) {
            gain_ = std::min(1.0f, gain_ * release_);
        }
        const float peak = std::max(std::fabs(frame[0]), std::fabs(frame[1]));
        // No gain brings infinity down; it must not silence what follows either.
        if (!std::isfinite(peak)) continue;
        if (peak * gain_ > kCeiling) {
            gain_ = kCeiling / peak;
            // The quotient may round up, and the product with it.
            while (peak * gain_ > kCeiling) gain_ = std::nextafter(gain_, 0.0f);
            hold_left_ = hold_frames_;
        }
        if (gain_ < 1.0f) {
            frame[0] *= gain_;
            frame[1] *= gain_;
        }
    }
}

}  // namespace sound
