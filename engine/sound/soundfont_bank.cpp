#include "engine/sound/soundfont_bank.h"

#include <fluidsynth.h>

#include <string>

#include "engine/common/system.h"
#include "engine/sound/synthesizer_factory.h"

namespace sound {
namespace {

// The library reports on the terminal by default; a game keeps quiet about missing presets.
void QuietLog(int, const char*, void*) {}

void SilenceLibraryLog() {
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, QuietLog, nullptr);
}

}  // namespace

SoundFontBank::~SoundFontBank() {
    // Frees the font with its holder; the pieces that played from it are gone by now.
    if (holder_) delete_fluid_synth(holder_);
    if (settings_) delete_fluid_settings(settings_);
}

_fluid_sfont_t* SoundFontBank::Font() {
    if (!looked_) {
        looked_ = true;
        Load();
    }
    return font_;
}

void SoundFontBank::Load() {
    const std::string path = FindSoundFont();
    if (path.empty()) return;
    SilenceLibraryLog();
    settings_ = new_fluid_settings();
    if (!settings_) return;
    // Samples loaded on demand would be loaded and freed per synthesiser; sharing needs them all
    // in memory from the start.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 0);
    holder_ = new_fluid_synth(settings_);
    if (!holder_) return;
    ++loads_;
    const int id = fluid_synth_sfload(holder_, path.c_str(), 0);
    if (id != FLUID_FAILED) font_ = fluid_synth_get_sfont_by_id(holder_, id);
}

void SoundFontBank::SaySilentOnce() {
    if (said_silent_) return;
    said_silent_ = true;
    DebugOutput("GMサウンドフォントが見つからないため、音楽は鳴りません\n");
}

}  // namespace sound
