#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/food/food_def.h"
#include "game/main/goods_lists.h"
#include "game/main/vemu_comp.h"
#include "game/rules/daily.h"
#include "game/rules/pantry.h"

void CVemuComp::NewGameReset() {
    // Whatever the last play-through left goes at once, a value added to the world's play-through
    // later too; what follows are the values a new game starts from that are not a zero.
    StartPlayThrough(world_);
    PlayState& s = world_.state;

    s.reputation = 10.0f;
    s.recovery_factor = s.fatigue_factor = s.cooking_time_factor = s.customer_factor = 1.0f;
    stage_.Reset();
    s.first = 1;
    world_.kitchen.UsePlayerPantry();
    s.new_day = 1;

    std::array<CIconEvent, 3>& icons = stage_.icon_buttons();
    for (std::size_t i = 0; i < icons.size(); ++i)
        icons[i].SetPressed(static_cast<int>(i) == s.align_type);
    ResetDailyFlags(s);

    s.place_flags[kPlaceShop] = 1;
    s.place_flags[kPlaceArchitect] = 1;

    mediator_->SetValue("narfmet", 0);
    mediator_->SetValue("ending", 0);

    mediator_->SetValue("money", 10000, true);
    s.money = 10000;
    s.shown_money = s.money;

    s.menu_max = 1;
    s.stamina = 100.0f;
    s.max_stamina = 100;
    s.text_speed = 4;
    SetTextSpeed(s.text_speed);

    s.clock = GameClock{2006, 1, 1, 7, 0};
    screens_.Clear();
    view_.ResetFrameCounter();

    s.utensil_level.fill(1);
    s.skill_level.fill(1);
    s.liberty_boxes = 5;

    if (world_.start_kit == 1) {
        mediator_->SetValue("level", 1);
        for (const WornItem& worn : kStartKitWorn)
            s.equipped[static_cast<std::size_t>(worn.slot)] = CreateItemByName(worn.name);
    }

    ResetFoodCatalogueProgress();
    // A recipe's last dish belongs to the play-through that cooked it.
    for (const auto& recipe : world_.book.recipes) recipe->last_result.reset();
    // What the last play-through mastered goes; the base goods stay on sale.
    for (const auto& def : GlobalFoodCatalogue()) def->mastered = 0;
    for (int list = kGoodsGreengrocer; list <= kGoodsGrocer; ++list)
        for (FoodDef* def : world_.food_goods[static_cast<std::size_t>(list)])
            if (def) def->mastered = 1;

    for (const char* name : kStartingFoods)
        if (FoodDef* def = FindFoodDef(name)) AddFood(world_.kitchen, def, kStartingAmount);

    for (const char* name : kStartKitOwned) GiveItem(s, mediator_->items(), name, 1);

    for (const char* name : {"lv_normal", "lv_wide", "lv_explode", "lv_option"})
        mediator_->SetValue(name, 1);
    for (const char* name : {"exp_normal", "exp_wide", "exp_explode", "exp_option"})
        mediator_->SetValue(name, 0);
}

void CVemuComp::ClearGameState() {
    world_.kitchen.pantry().clear();
    world_.kitchen.selection.clear();
    world_.kitchen.menu.clear();
    ClearItemBag(world_.state, mediator_->items());
}

void CVemuComp::PrepareNewGame() {
    world_.kitchen.UsePlayerPantry();
    ClearGameState();
    story_->Reset();
    // A pantry left from a contest that play never came back from goes too.
    world_.kitchen.contest_pantry.clear();
    NewGameReset();
}
