// The settings: the message window's text speed and the volumes of music and sound effects.
// Each choice goes back to the settings list before it takes effect.
#include <cstddef>

#include "engine/framework/devices.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/direct_sound.h"
#include "game/main/vemu_comp.h"
#include "game/screens/play_lists.h"

namespace {

struct Choice {
    const char* label;
    int value;
};
// Frames per character step: smaller is faster.
constexpr Choice kTextSpeeds[] = {{"遅い", 4}, {"普通", 2}, {"速い", 1}};
constexpr Choice kVolumes[] = {{"最大", 100}, {"普通", 75}, {"静か", 60}, {"なし", 0}};
// Each setting's row opens its screen.
constexpr Choice kSettings[] = {
    {"文字表示速度", kScreenTextSpeed},
    {"音楽の音量", kScreenMusicVolume},
    {"効果音の音量", kScreenEffectVolume},
};

template <std::size_t N>
int BuildChoices(const Choice (&choices)[N], std::vector<MenuEntry>& entries) {
    entries.clear();
    for (const Choice& choice : choices) {
        MenuEntry entry;
        entry.label = choice.label;
        entry.value = choice.value;
        entries.push_back(std::move(entry));
    }
    return static_cast<int>(entries.size());
}

// The row of the value set now; a value no row gives (set outside the game) opens on the first.
template <std::size_t N>
int RowOf(const Choice (&choices)[N], int value) {
    for (std::size_t i = 0; i < N; ++i)
        if (choices[i].value == value) return static_cast<int>(i);
    return 0;
}

}  // namespace

int BuildSettingsList(CVemuComp& /*game*/, std::vector<MenuEntry>& entries) {
    return BuildChoices(kSettings, entries);
}

int BuildTextSpeedList(CVemuComp& /*game*/, std::vector<MenuEntry>& entries) {
    return BuildChoices(kTextSpeeds, entries);
}

int BuildVolumeList(CVemuComp& /*game*/, std::vector<MenuEntry>& entries) {
    return BuildChoices(kVolumes, entries);
}

void CVemuComp::SettingsScreen() {
    int screen = 0;
    if (!ListDecision(screen)) return;
    PushScreen(screen);
    // The list opens on what is set, so that the player sees it and a decide keeps it.
    if (screen == kScreenTextSpeed)
        screen_cursor_ = RowOf(kTextSpeeds, state_.text_speed);
    else if (screen == kScreenMusicVolume)
        screen_cursor_ = RowOf(kVolumes, music_volume_);
    else if (screen == kScreenEffectVolume)
        screen_cursor_ = RowOf(kVolumes, effect_volume_);
}

void CVemuComp::TextSpeedScreen() {
    if (int speed = 0; ListDecision(speed)) {
        PopScreen();
        state_.text_speed = speed;
        SetTextSpeed(speed);
    }
}

void CVemuComp::MusicVolumeScreen() {
    if (int volume = 0; ListDecision(volume)) {
        PopScreen();
        music_volume_ = volume;
        GetDirectShow()->SetVolume(static_cast<double>(volume));
    }
}

void CVemuComp::EffectVolumeScreen() {
    if (int volume = 0; ListDecision(volume)) {
        PopScreen();
        effect_volume_ = volume;
        sound_->SetVolume(volume);
    }
}
