// The audio output: a device that pulls interleaved float samples from one render callback.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace platform {

struct AudioFormat {
    int rate = 48000;
    int channels = 2;
    int buffer_frames = 1024;
};

// A receiver of MIDI messages in place of a synthesiser. A device without speakers offers one
// (the headless device records what it is sent); `position` is the piece's time in 100 ns.
class MidiSink {
public:
    virtual ~MidiSink() = default;
    virtual void Receive(std::int64_t position, const std::uint8_t* bytes, std::size_t count) = 0;
};

class AudioDevice {
public:
    // Fills `frames` frames of interleaved samples (frames x channels floats).
    using RenderCallback = std::function<void(float* out, int frames)>;

    virtual ~AudioDevice() = default;
    // Opens the default output and starts pulling. False when no device could be opened.
    virtual bool Open(const AudioFormat& wanted, RenderCallback render) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    virtual AudioFormat Format() const = 0;
    // The render callback runs on the device's own thread; whoever changes what it reads holds
    // this lock. The headless device has no thread and its lock does nothing.
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    // Where MIDI goes instead of being synthesised; null on a device that plays sound.
    virtual MidiSink* Midi() { return nullptr; }
};

}  // namespace platform
