// Chooses the synthesiser of a new piece: the platform's MIDI sink when it has one (the
// headless device), else FluidSynth playing from the bank's General MIDI soundfont, else
// silence (said once in the debug output; the game never stops for it).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/sound/synthesizer.h"

namespace sound {

class SoundFontBank;

// Where the soundfont is looked for, in order: the settings' "soundfont" path (section
// "Vemu"), FluidSynth's Debian default, then the TimGM6mb and FluidR3 General MIDI fonts.
std::vector<std::string> SoundFontCandidates();
// The first candidate that exists, or "".
std::string FindSoundFont();
// The bank is asked for its font only when the platform has no MIDI sink.
std::unique_ptr<Synthesizer> CreateSynthesizer(int rate, SoundFontBank& bank);

}  // namespace sound
