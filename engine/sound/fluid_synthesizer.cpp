#include "engine/sound/fluid_synthesizer.h"

#include <fluidsynth.h>

#include <algorithm>

namespace sound {
namespace {

// The music's level against the effects: FluidSynth's own default of 0.2 is much quieter.
constexpr double kGain = 0.5;

}  // namespace

std::unique_ptr<FluidSynthesizer> FluidSynthesizer::Create(int rate, fluid_sfont_t* font) {
    if (!font) return nullptr;
    fluid_settings_t* settings = new_fluid_settings();
    if (!settings) return nullptr;
    fluid_settings_setnum(settings, "synth.sample-rate", static_cast<double>(rate));
    fluid_settings_setnum(settings, "synth.gain", kGain);
    // Every call comes under the mixer's lock, so the library's own lock is not needed.
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth) {
        delete_fluid_settings(settings);
        return nullptr;
    }
    if (fluid_synth_add_sfont(synth, font) == FLUID_FAILED) {
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return nullptr;
    }
    return std::unique_ptr<FluidSynthesizer>(new FluidSynthesizer(settings, synth, font));
}

FluidSynthesizer::~FluidSynthesizer() {
    // The font belongs to the bank: taken off first, a deleted synthesiser leaves it whole.
    fluid_synth_remove_sfont(synth_, font_);
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

void FluidSynthesizer::Send(std::int64_t, const std::uint8_t* b, std::size_t count) {
    if (count == 0) return;
    const int status = b[0];
    if (status == kSystemReset) {
        fluid_synth_system_reset(synth_);
        return;
    }
    if (status == 0xF0) {
        // The library takes the body without F0 and the closing F7.
        std::size_t length = count - 1;
        if (length > 0 && b[count - 1] == 0xF7) --length;
        if (length > 0)
            fluid_synth_sysex(synth_, reinterpret_cast<const char*>(b + 1),
                              static_cast<int>(length), nullptr, nullptr, nullptr, 0);
        return;
    }
    const int channel = status & 0x0F;
    const int d1 = count > 1 ? b[1] : 0;
    const int d2 = count > 2 ? b[2] : 0;
    switch (status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(synth_, channel, d1);
            break;
        case 0x90:
            if (d2 == 0)
                fluid_synth_noteoff(synth_, channel, d1);
            else
                fluid_synth_noteon(synth_, channel, d1, d2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(synth_, channel, d1, d2);
            break;
        case 0xB0:
            fluid_synth_cc(synth_, channel, d1, d2);
            break;
        case 0xC0:
            fluid_synth_program_change(synth_, channel, d1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(synth_, channel, d1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(synth_, channel, d1 | (d2 << 7));
            break;
        default:
            break;
    }
}

void FluidSynthesizer::Render(float* out, int frames) {
    if (frames <= 0) return;
    if (fluid_synth_write_float(synth_, frames, out, 0, 2, out, 1, 2) != FLUID_OK)
        std::fill(out, out + static_cast<std::size_t>(frames) * 2, 0.0f);
}

}  // namespace sound
