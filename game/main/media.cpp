#include <cstdio>
#include <string>

#include "game/main/stage.h"

namespace {

struct PortraitFiles {
    const char* stem;  // null: no picture at all
    // The expressions with a picture of their own besides the normal one.
    std::initializer_list<int> expressions;
};

// By character id.
const PortraitFiles kPortraits[kCharacterCount] = {
    {nullptr, {}},
    {"c_vemu", {kSmile, kGlad, kTear, kAnger, kAnnoy, kAmaze}},
    {"c_zelba", {kAnger}},
    {"c_rago", {}},
    {"c_narf", {}},
    {"c_broms", {kSmile, kTear}},
    {"c_cherry", {kSmile, kTear}},
    {"c_merchant", {}},
    {"c_mrs", {}},
    {"c_chmn", {}},
    {"c_liberty", {}},
    {"c_antonio", {}},
    {"c_masamune", {}},
    {"c_foo", {}},
    {"c_fransowa", {}},
    {"c_meister", {}},
    {"c_paty", {}},
    {"c_mtmale", {kSmile, kAnger}},
    {"c_tasteking", {kSmile, kGlad, kAmaze}},
    {"c_adam", {}},
    {"c_king", {}},
    {"c_queen", {}},
    {"c_cocool", {}},
};

const char* const kExpressionWords[kExpressionCount] = {"",      "smile", "glad", "tear",
                                                        "anger", "annoy", "amaze"};

// By music id.
const char* const kMusicNames[kMusicIdCount + 1] = {
    nullptr,          "quiet_shop",     "cooking_competition", "wiggle_gustation", "natch_natch",
    "lets_cooking",   "theme_of_vemu",  "zelba_blues",         "dreamin_mush",     "theme_of_narf",
    "zingiber_mioga", "merriment_town", "delicious_yyoo",      "umaizo2",          "royal_palace",
    "held_memories",  "sweet_and_sweet"};
// In the order they load; the switch sound is not one of the numbered effects.
constexpr int kSwitchSound = -1;
struct EffectFile {
    int effect;
    const char* file;
};
constexpr EffectFile kEffectFiles[] = {
    {kSoundSelectOn, "dat\\select_on.wav"},
    {kSoundSelectOff, "dat\\select_off.wav"},
    {kSwitchSound, "dat\\switch.wav"},
    {kSoundGet, "dat\\get.wav"},
    {kSoundChin, "dat\\chin.wav"},
    {kSoundBell, "dat\\bell.wav"},
    {kSoundRooster, "dat\\cockzelba.wav"},
    {kSoundAhead, "dat\\ahead.wav"},
    {kSoundBuy, "dat\\buy.wav"},
    {kSoundHand, "dat\\hand.wav"},
    {kSoundRoast, "dat\\roast.wav"},
    {kSoundBoil, "dat\\boil.wav"},
    {kSoundFry, "dat\\fry.wav"},
};

bool HasOwnPicture(const PortraitFiles& files, int expression) {
    if (expression == kNormal) return true;
    for (int e : files.expressions)
        if (e == expression) return true;
    return false;
}

std::string OwnPortraitFile(const PortraitFiles& files, int expression) {
    std::string file = std::string("dat\\") + files.stem;
    if (expression != kNormal) file += std::string("_") + kExpressionWords[expression];
    return file + ".bmp";
}

// These two exist only in the other music format.
bool HasMidiFile(int id) {
    return id >= 1 && id <= kMusicIdCount && id != kMusicRoyalPalace && id != kMusicSweetAndSweet;
}

struct NamedTexture {
    DTexture SceneTextures::*texture;
    const char* file;
};

}  // namespace

std::string PortraitFileOf(int character, int expression) {
    if (character < 0 || character >= kCharacterCount) return {};
    const PortraitFiles& files = kPortraits[character];
    if (!files.stem) return {};
    const bool own =
        expression >= 0 && expression < kExpressionCount && HasOwnPicture(files, expression);
    return OwnPortraitFile(files, own ? expression : kNormal);
}

const char* SoundFileOf(SoundEffect effect) {
    for (const EffectFile& named : kEffectFiles)
        if (named.effect == effect) return named.file;
    return nullptr;
}

const char* MusicFileOf(int id) {
    if (!HasMidiFile(id)) return nullptr;
    static std::string paths[kMusicIdCount + 1];
    std::string& path = paths[id];
    if (path.empty()) path = std::string("midi\\") + kMusicNames[id] + ".mid";
    return path.c_str();
}

bool Stage::LoadTextures() {
    SceneTextures& t = textures_;
    bool ok = true;
    auto load = [&ok](DTexture& texture, const char* file) {
        ok = texture.LoadFromFile(file, kPictureColorKey) && ok;
    };
    load(t.life, "dat\\life.bmp");
    load(t.magic, "dat\\magic.bmp");
    load(t.heroine_idle, "dat\\vemu.bmp");
    static const char* const kHeroine[kHeroinePictureCount] = {
        "dat\\vemu_e1.bmp", "dat\\vemu_e2.bmp", "dat\\vemu_h1.bmp", "dat\\vemu_h2.bmp",
        "dat\\vemu_r1.bmp", "dat\\vemu_r2.bmp", "dat\\vemu_b1.bmp", "dat\\vemu_b2.bmp",
        "dat\\vemu_f1.bmp", "dat\\vemu_f2.bmp"};
    for (int i = 0; i < kHeroinePictureCount; ++i) load(t.heroine[i], kHeroine[i]);
    static const NamedTexture kInOrder[] = {
        {&SceneTextures::back_shop, "dat\\bkshop.bmp"},
        {&SceneTextures::front_shop, "dat\\frshop.bmp"},
        {&SceneTextures::cursor_held, "dat\\cursor01.bmp"},
        {&SceneTextures::cursor, "dat\\cursor02.bmp"},
        {&SceneTextures::page_up, "dat\\curu.bmp"},
        {&SceneTextures::page_down, "dat\\curl.bmp"},
        {&SceneTextures::message_window, "dat\\MsgWindow.dds"},
        {&SceneTextures::item_board, "dat\\itemboard.bmp"},
        {&SceneTextures::item_board_on, "dat\\itemboard_on.bmp"},
        {&SceneTextures::item_board2, "dat\\itemboard2.bmp"},
        {&SceneTextures::item_board2_on, "dat\\itemboard2_on.bmp"},
        {&SceneTextures::item_board3, "dat\\itemboard3.bmp"},
        {&SceneTextures::item_board3_on, "dat\\itemboard3_on.bmp"},
        {&SceneTextures::ribbon, "dat\\ribbon.bmp"},
        {&SceneTextures::moon, "dat\\moon.bmp"},
        {&SceneTextures::sun, "dat\\sun.bmp"},
        {&SceneTextures::name_board, "dat\\nameboard.bmp"},
        {&SceneTextures::paper, "dat\\paper.bmp"},
        {&SceneTextures::shop_frame, "dat\\shop_frame.bmp"},
        {&SceneTextures::character_frame, "dat\\character_frame.bmp"},
        {&SceneTextures::gauge, "dat\\gage.bmp"},
        {&SceneTextures::background, "dat\\bg.bmp"},
    };
    for (const NamedTexture& named : kInOrder) load(t.*named.texture, named.file);
    static const char* const kButtons[8] = {
        "dat\\button_get_on.bmp",   "dat\\button_get_off.bmp",    "dat\\button_name_on.bmp",
        "dat\\button_name_off.bmp", "dat\\button_consume_on.bmp", "dat\\button_consume_off.bmp",
        "dat\\button_kind_on.bmp",  "dat\\button_kind_off.bmp"};
    for (int i = 0; i < 8; ++i) load(t.buttons[i], kButtons[i]);

    portraits_.table = {};
    portraits_.pictures.clear();
    for (int c = 0; c < kCharacterCount; ++c) {
        const PortraitFiles& files = kPortraits[c];
        if (!files.stem) continue;
        auto add = [&](int expression) {
            auto picture = std::make_unique<DTexture>();
            load(*picture, OwnPortraitFile(files, expression).c_str());
            portraits_.table[c][expression] = picture.get();
            portraits_.pictures.push_back(std::move(picture));
        };
        add(kNormal);
        for (int e : files.expressions) add(e);
    }

    auto icon = [&ok](DTexture& texture, int id) {
        ok = texture.LoadFromResource(id, kPictureColorKey) && ok;
    };
    for (int d = 0; d < 10; ++d) icon(t.digits[d], 134 + d);
    icon(t.icon_year, 132);
    icon(t.icon_month, 145);
    icon(t.icon_day, 146);
    icon(t.icon_colon, 144);
    icon(t.icon_money, 133);
    return ok;
}

void Stage::LoadSoundEffects() {
    for (const EffectFile& named : kEffectFiles) {
        DWave& wave = named.effect == kSwitchSound
                          ? sounds_.switch_sound
                          : sounds_.effects[static_cast<std::size_t>(named.effect)];
        wave.Load(named.file);
    }
}

bool Stage::PlayBgm(WaitHandle* handle, int id) {
    // The game plays the MIDI files; nothing switches it to the other format.
    const char* file = MusicFileOf(id);
    if (!file) {
        // Nothing changes, so whoever waits on the change need not wait.
        if (handle) handle->Signal();
        return true;
    }
    music_event_.ChangeMusic(handle, 50, file);
    return true;
}

DTexture* Stage::GetPortrait(int character, int expression) const {
    if (character < 0 || character >= kCharacterCount) return nullptr;
    const auto& row = portraits_.table[character];
    DTexture* picture =
        expression >= 0 && expression < kExpressionCount ? row[expression] : nullptr;
    return picture ? picture : row[kNormal];
}
