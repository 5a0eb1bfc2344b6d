// The General MIDI synthesiser: FluidSynth in-process, used as a synthesiser only (it opens
// no audio driver of its own); its output goes into the engine's mixer. It plays from the
// bank's soundfont, which it shares with every other piece, and is destroyed under the
// mixer's lock, since its voices hold the font's samples as the others' do.
#pragma once

#include <memory>

#include "engine/sound/synthesizer.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_sfont_t;

namespace sound {

class FluidSynthesizer : public Synthesizer {
public:
    // Null without a font or when the library fails. The font must outlive the synthesiser.
    static std::unique_ptr<FluidSynthesizer> Create(int rate, _fluid_sfont_t* font);
    ~FluidSynthesizer() override;
    FluidSynthesizer(const FluidSynthesizer&) = delete;
    FluidSynthesizer& operator=(const FluidSynthesizer&) = delete;

    void Send(std::int64_t position, const std::uint8_t* bytes, std::size_t count) override;
    void Render(float* out, int frames) override;

private:
    FluidSynthesizer(_fluid_hashtable_t* settings, _fluid_synth_t* synth, _fluid_sfont_t* font)
        : settings_(settings), synth_(synth), font_(font) {}
    _fluid_hashtable_t* settings_;
    _fluid_synth_t* synth_;
    _fluid_sfont_t* font_;
};

}  // namespace sound
