// The six companies whose shares the stock exchange sells: while owned, a share delivers one
// unit of its company's product every morning. A company's shares are on sale once the story
// has founded it.
#pragma once

#include <array>

#include "engine/data/item_bag.h"
#include "game/data/recipe_book.h"
#include "game/rules/play_state.h"

// `PlayState::share_flags`, in the order of their save keys.
enum ShareFlag : int {
    kShareExchange = 0,  // "kabu": the stock exchange is open
    kShareSoySauce = 1,  // "kabu_syoyu"
    kShareMiso = 2,      // "kabu_miso"
    kShareSake = 3,      // "kabu_sake"
    kShareVinegar = 4,   // "kabu_su"
    kShareCheese = 5,    // "kabu_cheese"
};
// The first company needs no founding.
inline constexpr int kShareAlwaysAvailable = -1;

struct ShareRecord {
    const char* company;  // the share's item name
    int flag;             // its ShareFlag, or kShareAlwaysAvailable
    const char* product;  // the catalogue entry it delivers
};

inline constexpr int kShareCount = 6;

const std::array<ShareRecord, kShareCount>& ShareTable();
bool IsShareAvailable(const PlayState& state, const ShareRecord& share);
// This morning's goods: for each available share the bag holds, as many units of its product
// as shares held, into the pantry in use. True when anything was delivered.
bool DeliverShareGoods(const PlayState& state, Kitchen& kitchen, CItemBag& bag);
// The first company not yet founded whose product is, or is a kind of, the dish or ingredient
// of a recipe the player knows; null when there is none.
const ShareRecord* FindFoundableShare(const PlayState& state, const RecipeBook& book);
