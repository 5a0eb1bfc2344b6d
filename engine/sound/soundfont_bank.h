// The General MIDI soundfont of the music, read at the first piece that needs it and kept for
// the rest of the run: every piece's FluidSynth synthesiser plays from this one copy, so a
// change of music never reads the file again and two pieces at once never hold two copies.
// The music registry owns it; it must outlive every synthesiser that plays from it.
#pragma once

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_sfont_t;

namespace sound {

class SoundFontBank {
public:
    SoundFontBank() = default;
    ~SoundFontBank();
    SoundFontBank(const SoundFontBank&) = delete;
    SoundFontBank& operator=(const SoundFontBank&) = delete;

    // The loaded soundfont, or null when none could be loaded. Only the first call looks for
    // the file and reads it; a failure is not tried again.
    _fluid_sfont_t* Font();
    // How many times a soundfont file was read.
    int LoadCount() const { return loads_; }
    // Says once in the debug output that the music stays silent.
    void SaySilentOnce();

private:
    void Load();

    bool looked_ = false;
    bool said_silent_ = false;
    int loads_ = 0;
    // A synthesiser that never plays: the library loads fonts only into a synthesiser, and this
    // one holds the font for the others.
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* holder_ = nullptr;
    _fluid_sfont_t* font_ = nullptr;
};

}  // namespace sound
