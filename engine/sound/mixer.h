// The one audio output of the engine: sound-effect voices and music sources mixed into the
// platform's audio device, which pulls the mix (from its own thread on a real device). The
// game thread changes voices and sources only through this class, which holds the device's
// lock while it does, so the render never sees a half-made change.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "engine/sound/peak_limiter.h"

namespace platform {
class AudioDevice;
}

namespace sound {

// Something that adds its own samples to the mix: a piece of music.
class MixerSource {
public:
    virtual ~MixerSource() = default;
    // Adds `frames` frames of interleaved stereo to out. Runs under the device lock.
    virtual void MixInto(float* out, int frames) = 0;
};

class SoundMixer {
public:
    static constexpr int kRate = 48000;
    static constexpr int kChannels = 2;
    // At 48 kHz this answers within about 21 ms.
    static constexpr int kBufferFrames = 1024;

    using VoiceId = std::uint64_t;

    SoundMixer() = default;
    ~SoundMixer();
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    // Opens the platform's audio device unless it is open already.
    bool Open();
    void Close();
    bool IsOpen() const { return device_ != nullptr; }
    int Rate() const { return rate_; }

    // A voice holds interleaved stereo PCM at the output rate. Ids are never reused, so a
    // stale id addresses nothing.
    VoiceId CreateVoice(std::vector<float> stereo, float gain);
    void DestroyVoice(VoiceId id);
    void DestroyAllVoices();
    // Restarts the voice at `frame`.
    void PlayVoice(VoiceId id, std::size_t frame, bool loop);
    void StopVoice(VoiceId id);
    void SetVoiceGain(VoiceId id, float gain);
    void SetAllVoiceGains(float gain);
    bool IsVoicePlaying(VoiceId id) const;
    std::size_t VoiceCount() const;
    std::size_t PlayingVoiceCount() const;

    void AddSource(MixerSource* source);
    void RemoveSource(MixerSource* source);

    // Holds the device lock for a scope: whoever changes what a source renders takes it.
    class Guard {
    public:
        explicit Guard(const SoundMixer& mixer);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        platform::AudioDevice* device_;
    };

    // The device's callback; public for the device only.
    void Render(float* out, int frames);

private:
    struct Voice {
        std::vector<float> samples;  // interleaved stereo
        std::size_t cursor = 0;      // in frames
        float gain = 1.0f;
        bool playing = false;
        bool loop = false;
    };

    platform::AudioDevice* device_ = nullptr;
    int rate_ = kRate;
    VoiceId next_id_ = 1;
    std::map<VoiceId, Voice> voices_;
    std::vector<MixerSource*> sources_;
    PeakLimiter limiter_{kRate};
};

}  // namespace sound
