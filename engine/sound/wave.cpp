#include "engine/sound/wave.h"

#include "engine/sound/direct_sound.h"
#include "engine/sound/sound_devices.h"

namespace {
// Nothing to reach once the runtime has ended.
CDirectSound* Sound() { return CurrentSoundDevices().sound; }
}  // namespace

bool DWave::Load(const char* name) {
    Release();
    CDirectSound* sound = Sound();
    if (!sound) return false;
    sound::SoundMixer::VoiceId voice = 0;
    WaveInfo info;
    if (!sound->CreateBuffer(name, &voice, &info)) return false;
    voice_ = voice;
    info_ = info;
    return true;
}

int DWave::Play(unsigned position, unsigned flags) {
    CDirectSound* sound = Sound();
    if (!voice_ || !sound) return 0;
    sound::SoundMixer& mixer = sound->mixer();
    mixer.StopVoice(voice_);
    // The position is a byte offset into the wave as stored; the voice counts output frames.
    std::size_t frame = 0;
    if (position != 0 && info_.block_align != 0 && info_.frequency != 0)
        frame = static_cast<std::size_t>(static_cast<double>(position / info_.block_align) *
                                         mixer.Rate() / info_.frequency);
    mixer.PlayVoice(voice_, frame, loop_ != 0 || (flags & kPlayLooping) != 0);
    return 0;
}

void DWave::Stop() {
    CDirectSound* sound = Sound();
    if (voice_ && sound) sound->mixer().StopVoice(voice_);
}

void DWave::Release() {
    CDirectSound* sound = Sound();
    if (voice_ && sound) sound->mixer().DestroyVoice(voice_);
    voice_ = 0;
    info_ = {};
}

bool DWave::IsPlaying() const {
    CDirectSound* sound = Sound();
    return voice_ && sound && sound->mixer().IsVoicePlaying(voice_);
}
