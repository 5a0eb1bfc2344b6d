#include "platform/sdl/sdl_audio.h"

#include <cstdio>
#include <cstring>

namespace platform::sdl {

SdlAudioDevice::~SdlAudioDevice() { Close(); }

bool SdlAudioDevice::Open(const AudioFormat& wanted, RenderCallback render) {
    Close();
    if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "vemu: no audio: %s\n", SDL_GetError());
        return false;
    }
    render_ = std::move(render);
    SDL_AudioSpec want{}, have{};
    want.freq = wanted.rate;
    want.format = AUDIO_F32SYS;
    want.channels = static_cast<Uint8>(wanted.channels);
    want.samples = static_cast<Uint16>(wanted.buffer_frames);
    want.callback = &SdlAudioDevice::Callback;
    want.userdata = this;
    // The format is ours to choose; only the buffer may come back smaller.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
        std::fprintf(stderr, "vemu: cannot open the audio device: %s\n", SDL_GetError());
        render_ = nullptr;
        return false;
    }
    format_ = {have.freq, have.channels, have.samples};
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudioDevice::Close() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        device_ = 0;
    }
    render_ = nullptr;
}

void SdlAudioDevice::Lock() {
    if (device_ != 0) SDL_LockAudioDevice(device_);
}

void SdlAudioDevice::Unlock() {
    if (device_ != 0) SDL_UnlockAudioDevice(device_);
}

void SdlAudioDevice::Callback(void* self, Uint8* stream, int bytes) {
    auto* device = static_cast<SdlAudioDevice*>(self);
    std::memset(stream, 0, static_cast<std::size_t>(bytes));
    const int frames = bytes / static_cast<int>(sizeof(float)) / device->format_.channels;
    if (device->render_) device->render_(reinterpret_cast<float*>(stream), frames);
}

}  // namespace platform::sdl
