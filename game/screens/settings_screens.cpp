// The settings: the message window's text speed and the volumes of music and sound effects.
// Each choice goes back to the settings list before it takes effect.
#include <cstddef>

#include "engine/framework/devices.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/direct_sound.h"
#include "game/main/vemu_comp.h"
#include "game/screens/list_input.h"
#include "game/screens/play_lists.h"
#include "game/screens/screen_row.h"

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

namespace {

void SettingsScreen(CVemuComp& game) {
    int screen = 0;
    if (!ListDecision(game, screen)) return;
    game.screens().Push(screen);
    // The list opens on what is set, so that the player sees it and a decide keeps it.
    if (screen == kScreenTextSpeed)
        game.screens().cursor() = RowOf(kTextSpeeds, game.state().text_speed);
    else if (screen == kScreenMusicVolume)
        game.screens().cursor() = RowOf(kVolumes, game.stage().music_volume());
    else if (screen == kScreenEffectVolume)
        game.screens().cursor() = RowOf(kVolumes, game.stage().effect_volume());
}

void TextSpeedScreen(CVemuComp& game) {
    if (int speed = 0; ListDecision(game, speed)) {
        game.screens().Pop();
        game.state().text_speed = speed;
        game.SetTextSpeed(speed);
    }
}

void MusicVolumeScreen(CVemuComp& game) {
    if (int volume = 0; ListDecision(game, volume)) {
        game.screens().Pop();
        game.stage().set_music_volume(volume);
        GetDirectShow()->SetVolume(static_cast<double>(volume));
    }
}

void EffectVolumeScreen(CVemuComp& game) {
    if (int volume = 0; ListDecision(game, volume)) {
        game.screens().Pop();
        game.stage().set_effect_volume(volume);
        game.sound_device().SetVolume(volume);
    }
}

}  // namespace

extern const ScreenRow kSettingsScreen = {
    .id = kScreenSettings,
    .steps = kShowList,
    .prompt = "設定項目を選んでください",
    .rows = BuildSettingsList,
    .update = SettingsScreen,
};
extern const ScreenRow kTextSpeedScreen = {
    .id = kScreenTextSpeed,
    .steps = kShowList,
    .prompt = "速さを選んでください",
    .rows = BuildTextSpeedList,
    .update = TextSpeedScreen,
};
extern const ScreenRow kMusicVolumeScreen = {
    .id = kScreenMusicVolume,
    .steps = kShowList,
    .prompt = "音楽の音量を選んでください",
    .rows = BuildVolumeList,
    .update = MusicVolumeScreen,
};
extern const ScreenRow kEffectVolumeScreen = {
    .id = kScreenEffectVolume,
    .steps = kShowList,
    .prompt = "効果音の音量を選んでください",
    .rows = BuildVolumeList,
    .update = EffectVolumeScreen,
};
