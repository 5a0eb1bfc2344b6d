// The default audio output through SDL2, pulling float samples from the render callback.
#pragma once

#include <SDL.h>

#include "platform/audio_device.h"

namespace platform::sdl {

class SdlAudioDevice : public AudioDevice {
public:
    ~SdlAudioDevice() override;
    bool Open(const AudioFormat& wanted, RenderCallback render) override;
    void Close() override;
    bool IsOpen() const override { return device_ != 0; }
    AudioFormat Format() const override { return format_; }
    void Lock() override;
    void Unlock() override;

private:
    static void Callback(void* self, Uint8* stream, int bytes);
    SDL_AudioDeviceID device_ = 0;
    AudioFormat format_;
    RenderCallback render_;
};

}  // namespace platform::sdl
