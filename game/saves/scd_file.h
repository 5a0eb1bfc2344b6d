// The game's own records of a save slot ("scd"), through the engine's record file:
//   int version (110)
//   int n, int n, n Food records: the player's pantry
//   int n, int n, n MenuDish records: the menu
//   int n, int n, per recipe-book entry in book order: string name, bool known, bool rumoured,
//     bool mastered, int familiarity float bits (not in version 105), bool has last result,
//     and then the last result's Food record
//   eight strings: the worn items' names in slots 4, 5, 6, 7, 0, 1, 2, 3 ("" when empty)
// A list whose two counts differ has no records.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"

inline constexpr int kScdVersion = 110;
// The older layout, without the familiarity of the recipe-book entries.
inline constexpr int kScdVersionWithoutFamiliarity = 105;
// The most an scd file may hold: many times a late game's pantry, menu and whole recipe book
// with every last dish.
inline constexpr std::uint32_t kScdMaxFileBytes = 8u << 20;
// The order the equipment slots are written in.
inline constexpr std::array<int, kEquipSlotCount> kScdEquipmentOrder = {4, 5, 6, 7, 0, 1, 2, 3};

struct ScdBookEntry {
    std::string name;
    bool known = false;
    bool rumoured = false;
    bool mastered = false;
    float familiarity = 0.0f;
    std::unique_ptr<Food> last_result;
};

// An scd file read but not yet applied to the game.
struct ScdContents {
    int version = 0;
    Pantry pantry;
    Menu menu;
    std::vector<ScdBookEntry> book;
    Equipment equipped;
};

// True only when every record was written and the file is in place.
bool WriteScd(const char* path, const PlayState& state, const Kitchen& kitchen,
              const RecipeBook& book);
// Reads the whole file into `out`. False for a missing, cut or damaged file (the digest is
// checked) or a broken record; records naming what the game does not know are dropped, each
// with a debug line.
bool ReadScd(const char* path, ScdContents& out);
// Puts what was read in the game's place: the player's pantry, the menu, the worn items, and
// each book entry's flags and last result. A book entry is matched at its own position when
// the name there agrees, else by name, so that variants of one name keep their own results.
void ApplyScd(ScdContents& contents, PlayState& state, Kitchen& kitchen, RecipeBook& book);
