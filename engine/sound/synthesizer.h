// What renders the notes of a piece: MIDI messages in, float stereo out. The sequencer calls
// it from the audio render, under the mixer's lock.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sound {

class Synthesizer {
public:
    static constexpr std::uint8_t kSystemReset = 0xFF;

    virtual ~Synthesizer() = default;
    // One message (a channel message, a system exclusive from F0, or the one byte 0xFF, which
    // silences every voice and resets every channel), sent at `position` of the piece.
    virtual void Send(std::int64_t position, const std::uint8_t* bytes, std::size_t count) = 0;
    // Overwrites `frames` frames of interleaved stereo.
    virtual void Render(float* out, int frames) = 0;
};

}  // namespace sound
