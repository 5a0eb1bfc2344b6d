// Keeps the mix below full scale. A mix that stays below its ceiling passes untouched, sample
// for sample, so the game's own music and effects keep their level; a louder mix (a dense piece
// from elsewhere, or music and effects together) is turned down at once where it would pass
// the ceiling, held there a moment and let back up slowly, so it is quieter instead of clipped.
// Without look-ahead it adds no delay: an effect still starts in the frame that plays it.
#pragma once

namespace sound {

class PeakLimiter {
public:
    // The largest magnitude it lets out: the largest 16-bit sample, so that an output device
    // of 16 bits never clips either.
    static constexpr float kCeiling = 32767.0f / 32768.0f;

    explicit PeakLimiter(int rate) { SetRate(rate); }
    void SetRate(int rate);
    // Limits `frames` frames of interleaved stereo in place; both sides take one gain, so the
    // stereo image stays.
    void Process(float* stereo, int frames);
    // The gain applied to the last frame: 1 while the mix is below the ceiling.
    float Gain() const { return gain_; }

private:
    float gain_ = 1.0f;
    int hold_left_ = 0;
    int hold_frames_ = 0;
    float release_ = 1.0f;  // the gain's growth in one frame
};

}  // namespace sound
