// The settings file over arbitrary text. Whatever it holds is read without harm, its settings
// written out read back as the same settings, and after the game writes its keys at quit the
// file reads back as what the game held, the written values included.
#include <cstdlib>
#include <string>

#include "platform/common/ini_settings.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The keys the frame reads at start and writes at quit.
constexpr const char* kKeys[] = {"Wave",    "Midi",    "x",       "y",         "cx",    "cy",
                                 "button1", "button2", "button3", "button4",   "right", "left",
                                 "down",    "up",      "bgm_vol", "sound_vol", "Window"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::Path("vemu.ini");
    if (!platform::WriteWholeFile(path, data, size)) abort();
    platform::IniSettings settings(path);
    // The keys' values are a player's to choose: their sum wraps rather than overflows.
    unsigned sum_bits = 0;
    for (const char* key : kKeys)
        sum_bits += static_cast<unsigned>(settings.GetInt("Vemu", key, 1));
    const int sum = static_cast<int>(sum_bits);
    const int other = static_cast<int>(sum_bits + 1u);

    const std::string text = settings.Serialize();
    platform::IniSettings parsed;
    parsed.Parse(text);
    if (parsed.Serialize() != text) abort();

    // As at quit: every key of the section, one after another, each written through.
    for (const char* key : kKeys)
        if (!settings.WriteInt("Vemu", key, sum)) abort();
    const platform::IniSettings reread(path);
    if (reread.Serialize() != settings.Serialize()) abort();
    for (const char* key : kKeys)
        if (reread.GetInt("Vemu", key, other) != sum) abort();
    return 0;
}
