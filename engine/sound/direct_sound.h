// Short sound effects at one 0 to 100 volume. The sound object owns the engine's mixer, which
// music contents share, so that effects and music run from one clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/sound/mixer.h"
#include "engine/sound/wave.h"
#include "engine/sound/wave_data.h"

class CDirectSound {
public:
    CDirectSound();
    virtual ~CDirectSound();
    CDirectSound(const CDirectSound&) = delete;
    CDirectSound& operator=(const CDirectSound&) = delete;

    // Opens the audio output; on failure a message box and false. The window is not needed.
    bool Init(void* window_handle_address);
    // Frees every effect; later CreateBuffer calls fail until Init runs again.
    void Release();
    bool IsStarted() const { return started_; }
    // Clamped to 0..100, applied to every effect.
    void SetVolume(int volume);
    int GetVolume() const { return volume_; }

    // A loaded voice for the named wave, at the current volume.
    bool CreateBuffer(const char* name, sound::SoundMixer::VoiceId* voice, WaveInfo* info);
    // Finds (resource first, then file) and parses the named wave. The bytes stay in `memory`;
    // the samples are `memory[view.data_offset ..]`.
    bool LoadWaveData(const char* name, sound::WaveView* view, std::vector<std::uint8_t>* memory);

    sound::SoundMixer& mixer() { return mixer_; }

private:
    sound::SoundMixer mixer_;
    int volume_ = 100;
    bool started_ = false;
};
