// One sound effect as the game holds it: a wave loaded by name (a "WAVE" resource or a file)
// that restarts from its beginning whenever it is played.
#pragma once

#include <cstdint>

struct WaveInfo {
    std::uint32_t frequency = 0;    // the wave's own sample rate
    std::uint16_t block_align = 0;  // bytes of one source frame
};

class DWave {
public:
    static constexpr unsigned kPlayLooping = 1;

    DWave() = default;
    // Its voice stays with the sound object, which frees every voice when it is released.
    ~DWave() = default;
    DWave(const DWave&) = delete;
    DWave& operator=(const DWave&) = delete;

    bool Load(const char* name);
    // Restarts from byte `position` of the wave; loops when the loop flag or kPlayLooping is
    // set. Returns 0 (also without a loaded wave).
    int Play(unsigned position, unsigned flags);
    void Stop();
    void Release();
    bool IsLoaded() const { return voice_ != 0; }
    bool IsPlaying() const;
    void SetLoop(bool loop) { loop_ = loop ? 1 : 0; }
    bool IsLoop() const { return loop_ != 0; }
    std::uint32_t GetFrequency() const { return info_.frequency; }

private:
    WaveInfo info_;
    unsigned char loop_ = 0;
    std::uint64_t voice_ = 0;
};
