#include "engine/sound/synthesizer_factory.h"

#include "engine/sound/fluid_synthesizer.h"
#include "engine/sound/null_synthesizer.h"
#include "engine/sound/soundfont_bank.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace sound {
namespace {

constexpr const char* kSection = "Vemu";
constexpr const char* kKey = "soundfont";
constexpr const char* kWellKnown[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",  // FluidSynth's Debian default
    "/usr/share/sounds/sf3/default-GM.sf3",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",    // timgm6mb-soundfont
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",  // fluid-soundfont-gm
    "/usr/share/sounds/sf3/FluidR3_GM.sf3",
};

}  // namespace

std::vector<std::string> SoundFontCandidates() {
    std::vector<std::string> out;
    if (platform::IsInstalled() && platform::Current().settings) {
        const std::string configured = platform::Current().settings->GetString(kSection, kKey, "");
        if (!configured.empty()) out.push_back(configured);
    }
    for (const char* path : kWellKnown) out.emplace_back(path);
    return out;
}

std::string FindSoundFont() {
    for (const std::string& path : SoundFontCandidates())
        if (platform::FileExists(path)) return path;
    return {};
}

std::unique_ptr<Synthesizer> CreateSynthesizer(int rate, SoundFontBank& bank) {
    if (platform::IsInstalled() && platform::Current().audio)
        if (platform::MidiSink* sink = platform::Current().audio->Midi())
            return std::make_unique<NullSynthesizer>(sink);
    if (auto synth = FluidSynthesizer::Create(rate, bank.Font())) return synth;
    bank.SaySilentOnce();
    return std::make_unique<NullSynthesizer>(nullptr);
}

}  // namespace sound
