// The pictures, portraits and sound effects of the main game, by role, and the music table.
// The component owns one of each; the loaders fill them in a fixed order at initialisation.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/texture.h"
#include "engine/sound/wave.h"

inline constexpr std::uint32_t kPictureColorKey = 0xFF00FF00;

// The heroine's pictures: idle, two blink frames, and two frames of each kind of work.
enum HeroinePicture : int {
    kBlink1 = 0,
    kBlink2,
    kHand1,
    kHand2,
    kRoast1,
    kRoast2,
    kBoil1,
    kBoil2,
    kFry1,
    kFry2,
    kHeroinePictureCount
};

struct SceneTextures {
    DTexture life, magic, heroine_idle;
    std::array<DTexture, kHeroinePictureCount> heroine;
    DTexture back_shop, front_shop;
    DTexture cursor_held, cursor;  // cursor01, cursor02
    DTexture page_up, page_down;
    DTexture message_window;
    DTexture item_board, item_board_on, item_board2, item_board2_on, item_board3, item_board3_on;
    DTexture ribbon;
    DTexture moon, sun, name_board, paper, shop_frame;
    DTexture character_frame, gauge, background;
    // get, name, consume and kind; each an on and an off picture.
    std::array<DTexture, 8> buttons;
    std::array<DTexture, 10> digits;  // resources 134 to 143
    DTexture icon_year, icon_month, icon_day, icon_colon, icon_money;
};

// The people of the story, by the id that picks their portraits and names them as speakers.
enum Character : int {
    kNobody = 0,  // narration: no portrait, no name
    kVemu = 1,
    kZelba = 2,
    kRago = 3,
    kNarf = 4,
    kBromus = 5,
    kCherry = 6,
    kMonga = 7,      // the travelling merchant
    kClaire = 8,     // the neighbour
    kAnnouncer = 9,  // the contests' host
    kLiberty = 10,
    kAntonio = 11,
    kMasamune = 12,
    kFu = 13,
    kFrancoise = 14,
    kMeister = 15,
    kPatty = 16,
    kMountMail = 17,
    kTasteKing = 18,
    kAdamski = 19,  // the customer of odd orders
    kBarton = 20,   // the king
    kKaie = 21,     // the queen
    kCocool = 22,   // the heroine's mother
};
inline constexpr int kCharacterCount = 23;
inline constexpr int kExpressionCount = 7;
enum Expression : int {
    kNormal = 0,
    kSmile = 1,
    kGlad = 2,
    kTear = 3,
    kAnger = 4,
    kAnnoy = 5,
    kAmaze = 6,
};

// Character by expression; a null entry falls back to the character's normal picture.
struct PortraitTable {
    std::array<std::array<DTexture*, kExpressionCount>, kCharacterCount> table{};
    std::vector<std::unique_ptr<DTexture>> pictures;
};
// The picture file a portrait shows: the expression's own, or the character's normal one when
// the expression has none; empty for a character without pictures.
std::string PortraitFileOf(int character, int expression);

// The twelve effects of the main game, by file, and the switch sound that the lists, the icon
// buttons and the number entry share.
enum SoundEffect : int {
    kSoundSelectOn = 0,
    kSoundSelectOff,
    kSoundGet,
    kSoundChin,
    kSoundBell,
    kSoundRooster,
    kSoundAhead,
    kSoundBuy,
    kSoundHand,
    kSoundRoast,
    kSoundBoil,
    kSoundFry,
    kSoundEffectCount
};

// The wave file of an effect.
const char* SoundFileOf(SoundEffect effect);

struct SoundEffects {
    std::array<DWave, kSoundEffectCount> effects;
    DWave switch_sound;
};

// Music ids 1 to 16, by the piece each plays; those without a MIDI file play nothing in the
// game's music mode, and neither does 0, so the piece that plays goes on.
enum MusicId : int {
    kMusicUnchanged = 0,
    kMusicQuietShop = 1,
    kMusicCookingCompetition = 2,
    kMusicWiggleGustation = 3,
    kMusicNatchNatch = 4,
    kMusicLetsCooking = 5,
    kMusicThemeOfVemu = 6,
    kMusicZelbaBlues = 7,
    kMusicDreaminMush = 8,
    kMusicThemeOfNarf = 9,
    kMusicZingiberMioga = 10,
    kMusicMerrimentTown = 11,
    kMusicDeliciousYyoo = 12,
    kMusicUmaizo2 = 13,
    kMusicRoyalPalace = 14,  // no MIDI file
    kMusicHeldMemories = 15,
    kMusicSweetAndSweet = 16,  // no MIDI file
};
inline constexpr int kMusicIdCount = 16;
// The MIDI file of a music id, or null when the id plays nothing.
const char* MusicFileOf(int id);
