// A synthesiser that makes no sound: the messages go to the platform's MIDI sink when there
// is one (the headless device records them), or nowhere.
#pragma once

#include "engine/sound/synthesizer.h"

namespace platform {
class MidiSink;
}

namespace sound {

class NullSynthesizer : public Synthesizer {
public:
    explicit NullSynthesizer(platform::MidiSink* sink) : sink_(sink) {}
    void Send(std::int64_t position, const std::uint8_t* bytes, std::size_t count) override;
    void Render(float* out, int frames) override;

private:
    platform::MidiSink* sink_;
};

}  // namespace sound
