// The General MIDI synthesiser: FluidSynth in-process, used as a synthesiser only (it opens
// no audio driver of its own); its output goes into the engine's mixer.
#pragma once

#include <memory>
#include <string>

#include "engine/sound/synthesizer.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace sound {

class FluidSynthesizer : public Synthesizer {
public:
    // Null when the soundfont cannot be loaded.
    static std::unique_ptr<FluidSynthesizer> Create(int rate, const std::string& soundfont_path);
    ~FluidSynthesizer() override;
    FluidSynthesizer(const FluidSynthesizer&) = delete;
    FluidSynthesizer& operator=(const FluidSynthesizer&) = delete;

    void Send(std::int64_t position, const std::uint8_t* bytes, std::size_t count) override;
    void Render(float* out, int frames) override;

private:
    FluidSynthesizer(_fluid_hashtable_t* settings, _fluid_synth_t* synth)
        : settings_(settings), synth_(synth) {}
    _fluid_hashtable_t* settings_;
    _fluid_synth_t* synth_;
};

}  // namespace sound
