#include "engine/sound/direct_sound.h"

#include "engine/common/game_path.h"
#include "engine/common/resources.h"
#include "engine/common/system.h"
#include "engine/sound/volume_law.h"

CDirectSound::CDirectSound() = default;
CDirectSound::~CDirectSound() { Release(); }

bool CDirectSound::Init(void*) {
    if (started_) return true;
    if (!mixer_.Open()) {
        ShowMessageBox("DirectSoundオブジェクトの作成に失敗", "Error");
        return false;
    }
    started_ = true;
    return true;
}

void CDirectSound::Release() {
    // Music contents keep the output open; only the effects end here.
    mixer_.DestroyAllVoices();
    started_ = false;
}

void CDirectSound::SetVolume(int volume) {
    volume_ = volume < 0 ? 0 : volume > 100 ? 100 : volume;
    mixer_.SetAllVoiceGains(sound::VolumeToGain(volume_));
}

bool CDirectSound::LoadWaveData(const char* name, sound::WaveView* view,
                                std::vector<std::uint8_t>* memory) {
    if (!name || !view || !memory) return false;
    memory->clear();
    if (auto resource = FindResource(ResourceType::Wave, name)) {
        *memory = std::move(*resource);
    } else if (!gamepath::ReadAll(name, *memory, gamepath::kMaxSoundFileBytes)) {
        std::string text = name;
        text += " がありません";
        ShowMessageBox(text.c_str(), nullptr);
        return false;
    }
    *view = {};
    return sound::ParseWave(memory->data(), memory->size(), *view);
}

bool CDirectSound::CreateBuffer(const char* name, sound::SoundMixer::VoiceId* voice,
                                WaveInfo* info) {
    if (!started_) return false;
    sound::WaveView view;
    std::vector<std::uint8_t> memory;
    if (!LoadWaveData(name, &view, &memory)) {
        // Which of the thirteen effects it was goes beside the message.
        const std::string text =
            std::string("Waveデータの読み込みに失敗: ") + (FindResource(ResourceType::Wave, name)
                                                               ? std::string(name)
                                                               : gamepath::ResolveForMessage(name));
        ShowMessageBox(text.c_str(), "Error");
        return false;
    }
    std::vector<float> stereo = sound::ConvertToStereo(
        view.format, memory.data() + view.data_offset, view.data_size, mixer_.Rate());
    if (stereo.empty()) return false;
    const sound::SoundMixer::VoiceId id =
        mixer_.CreateVoice(std::move(stereo), sound::VolumeToGain(volume_));
    if (voice) *voice = id;
    if (info) *info = {view.format.samples_per_second, view.format.block_align};
    return true;
}
