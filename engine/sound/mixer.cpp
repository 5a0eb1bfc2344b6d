#include "engine/sound/mixer.h"

#include <algorithm>

#include "platform/platform.h"

namespace sound {

SoundMixer::Guard::Guard(const SoundMixer& mixer) : device_(mixer.device_) {
    if (device_) device_->Lock();
}

SoundMixer::Guard::~Guard() {
    if (device_) device_->Unlock();
}

SoundMixer::~SoundMixer() { Close(); }

bool SoundMixer::Open() {
    if (device_) return true;
    if (!platform::IsInstalled()) return false;
    platform::AudioDevice* device = platform::Current().audio;
    if (!device) return false;
    platform::AudioFormat wanted;
    wanted.rate = kRate;
    wanted.channels = kChannels;
    wanted.buffer_frames = kBufferFrames;
    if (!device->Open(wanted, [this](float* out, int frames) { Render(out, frames); }))
        return false;
    const platform::AudioFormat have = device->Format();
    if (have.channels != kChannels || have.rate <= 0) {
        device->Close();
        return false;
    }
    rate_ = have.rate;
    // The device may be calling already.
    device->Lock();
    limiter_.SetRate(rate_);
    device->Unlock();
    device_ = device;
    return true;
}

void SoundMixer::Close() {
    if (!device_) return;
    // Closing waits for a running callback, after which nothing reads the voices any more.
    device_->Close();
    device_ = nullptr;
}

SoundMixer::VoiceId SoundMixer::CreateVoice(std::vector<float> stereo, float gain) {
    Voice voice;
    voice.samples = std::move(stereo);
    voice.gain = gain;
    Guard guard(*this);
    const VoiceId id = next_id_++;
    voices_.emplace(id, std::move(voice));
    return id;
}

void SoundMixer::DestroyVoice(VoiceId id) {
    // The samples are freed outside the lock, so the render never waits for a free.
    Voice gone;
    {
        Guard guard(*this);
        auto it = voices_.find(id);
        if (it == voices_.end()) return;
        gone = std::move(it->second);
        voices_.erase(it);
    }
}

void SoundMixer::DestroyAllVoices() {
    std::map<VoiceId, Voice> gone;
    Guard guard(*this);
    gone.swap(voices_);
}

void SoundMixer::PlayVoice(VoiceId id, std::size_t frame, bool loop) {
    Guard guard(*this);
    auto it = voices_.find(id);
    if (it == voices_.end()) return;
    Voice& voice = it->second;
    const std::size_t frames = voice.samples.size() / kChannels;
    voice.cursor = std::min(frame, frames);
    voice.loop = loop;
    voice.playing = frames > 0;
}

void SoundMixer::StopVoice(VoiceId id) {
    Guard guard(*this);
    auto it = voices_.find(id);
    if (it != voices_.end()) it->second.playing = false;
}

void SoundMixer::SetVoiceGain(VoiceId id, float gain) {
    Guard guard(*this);
    auto it = voices_.find(id);
    if (it != voices_.end()) it->second.gain = gain;
}

void SoundMixer::SetAllVoiceGains(float gain) {
    Guard guard(*this);
    for (auto& [id, voice] : voices_) voice.gain = gain;
}

bool SoundMixer::IsVoicePlaying(VoiceId id) const {
    Guard guard(*this);
    auto it = voices_.find(id);
    return it != voices_.end() && it->second.playing;
}

std::size_t SoundMixer::VoiceCount() const {
    Guard guard(*this);
    return voices_.size();
}

std::size_t SoundMixer::PlayingVoiceCount() const {
    Guard guard(*this);
    return static_cast<std::size_t>(std::count_if(
        voices_.begin(), voices_.end(), [](const auto& entry) { return entry.second.playing; }));
}

void SoundMixer::AddSource(MixerSource* source) {
    if (!source) return;
    Guard guard(*this);
    if (std::find(sources_.begin(), sources_.end(), source) == sources_.end())
        sources_.push_back(source);
}

void SoundMixer::RemoveSource(MixerSource* source) {
    Guard guard(*this);
    sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
}

void SoundMixer::Render(float* out, int frames) {
    if (frames <= 0) return;
    const std::size_t count = static_cast<std::size_t>(frames) * kChannels;
    std::fill(out, out + count, 0.0f);
    for (auto& [id, voice] : voices_) {
        if (!voice.playing) continue;
        const std::size_t length = voice.samples.size() / kChannels;
        std::size_t written = 0;
        while (written < static_cast<std::size_t>(frames) && voice.playing) {
            if (voice.cursor >= length) {
                if (voice.loop && length > 0) {
                    voice.cursor = 0;
                } else {
                    voice.playing = false;
                    break;
                }
            }
            const std::size_t run =
                std::min(static_cast<std::size_t>(frames) - written, length - voice.cursor);
            const float* from = voice.samples.data() + voice.cursor * kChannels;
            float* to = out + written * kChannels;
            for (std::size_t i = 0; i < run * kChannels; ++i) to[i] += from[i] * voice.gain;
            voice.cursor += run;
            written += run;
        }
        if (voice.cursor >= length && !voice.loop) voice.playing = false;
    }
    for (MixerSource* source : sources_) source->MixInto(out, frames);
    // A loud piece, or music and effects together, can add up past full scale: turned down
    // rather than clipped. The clamp is left for what no gain brings back, such as infinity.
    limiter_.Process(out, frames);
    for (std::size_t i = 0; i < count; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace sound
