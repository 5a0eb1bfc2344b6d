// The play world: everything a play-through is made of that the rules work on, as plain data.
// The main component holds one; the rules (game/rules, game/economy, game/cooking, game/clock)
// take its parts directly, with the mediator's named values or item bag where they need them,
// so that a rule's test builds a world without an engine.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/data/item.h"
#include "game/data/recipe_book.h"
#include "game/food/food.h"
#include "game/rules/play_state.h"

// Whether a contest runs, its judges, the rival and his score, the votes and the entry fee the
// hall asks.
struct ContestState {
    std::uint8_t running = 0;
    std::array<int, 3> judges{};
    int rival_score = 0;
    int rival = 0;
    int votes = 0;
    int entry_fee = 0;
};

// One play-through's part of the world: a new game value-initialises it whole (StartPlayThrough),
// so that a value added here later cannot outlive the play-through that set it.
struct PlayThrough {
    PlayState state;
    ContestState contest;
    // A dish panel reads these; each is owned here, so no panel can read a freed dish.
    std::unique_ptr<Food> made_dish;
    std::unique_ptr<Food> contest_dish;
    std::unique_ptr<MenuDish> candidate_dish;
    int chosen_menu_slot = -1;
    // Recipe-count rewards: the invented recipes last counted, and the level reached.
    int known_recipes = 0;
    int reward_num = 0;
};

// The rest outlives a play-through: the kitchen, which a new game empties through the pantry
// rules, and what the data gives once it is loaded.
// The goods lists, by their index into the world's food_goods and item_goods.
enum GoodsList : int {
    kGoodsToolShopOpen = 0,  // what the open tool shop sells, gathered from its item lists
    kGoodsGreengrocer = 1,
    kGoodsFruiterer = 2,
    kGoodsButcher = 3,
    kGoodsGrocer = 4,  // the last of the four food shops' lists
    kGoodsRareFoods = 5,
    kGoodsBeans = 6,
    kGoodsLuckyFoods = 7,
    kGoodsToolShopItems = 8,
    kGoodsPans = 9,
    kGoodsWear = 11,
    kGoodsMagic = 12,
};

struct PlayWorld : PlayThrough {
    Kitchen kitchen;
    RecipeBook book;

    // The food goods of the shops and the merchant, and the item goods; the item goods are owned
    // here, and the open shop sells from the list goods_in_use names.
    static constexpr int kGoodsLists = kGoodsMagic + 1;
    std::array<std::vector<FoodDef*>, kGoodsLists> food_goods;
    std::array<std::vector<CItem*>, kGoodsLists> item_goods;
    std::vector<std::unique_ptr<CItem>> owned_goods_items;
    int goods_in_use = kGoodsGreengrocer;

    // Found in the catalogue once it is loaded.
    const FoodDef* memory_food_first = nullptr;   // キャトレモネ
    const FoodDef* memory_food_second = nullptr;  // メモルボイルド
    FoodDef* rot_entry = nullptr;                 // what spoiled food becomes
    // What a new game wears and owns: always the first kit.
    int start_kit = 1;
};

// Whatever the last play-through left goes; the starting values that are not a zero are the
// caller's.
inline void StartPlayThrough(PlayWorld& world) { static_cast<PlayThrough&>(world) = PlayThrough{}; }
