#include "engine/framework/game_mediator.h"
#include "game/economy/item_table.h"
#include "game/food/food_def.h"
#include "game/main/goods_lists.h"
#include "game/main/vemu_comp.h"
#include "game/rules/daily.h"
#include "game/rules/pantry.h"

void CVemuComp::NewGameReset() {
    // Whatever the last play-through left goes at once, a value added to the state later too;
    // what follows are the values a new game starts from that are not a zero.
    state_ = PlayState{};
    PlayState& s = state_;

    s.reputation = 10.0f;
    s.recovery_factor = s.fatigue_factor = s.cooking_time_factor = s.customer_factor = 1.0f;
    stage_.Reset();
    known_recipes_ = reward_num_ = 0;
    s.first = 1;
    kitchen_.UsePlayerPantry();
    s.new_day = 1;
    contest_ = {};
    contest_dish_.reset();
    made_dish_.reset();
    candidate_dish_.reset();
    chosen_menu_slot_ = -1;
    shown_cooking_method_ = 0;
    pot_row_under_pointer_ = -1;

    std::array<CIconEvent, 3>& icons = stage_.icon_buttons();
    for (std::size_t i = 0; i < icons.size(); ++i)
        icons[i].SetPressed(static_cast<int>(i) == s.align_type);
    ResetDailyFlags();

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

    if (start_kit_ == 1) {
        mediator_->SetValue("level", 1);
        for (const WornItem& worn : kStartKitWorn)
            s.equipped[static_cast<std::size_t>(worn.slot)] = CreateItemByName(worn.name);
    }

    ResetFoodCatalogueProgress();
    // A recipe's last dish belongs to the play-through that cooked it.
    for (const auto& recipe : book_.recipes) recipe->last_result.reset();
    // What the last play-through mastered goes; the base goods stay on sale.
    for (const auto& def : GlobalFoodCatalogue()) def->mastered = 0;
    for (int list = 1; list <= 4; ++list)
        for (FoodDef* def : food_goods_[static_cast<std::size_t>(list)])
            if (def) def->mastered = 1;

    for (const char* name : kStartingFoods)
        if (FoodDef* def = FindFoodDef(name)) AddFood(def, kStartingAmount);

    for (const char* name : kStartKitOwned) GiveItem(name, 1);

    for (const char* name : {"lv_normal", "lv_wide", "lv_explode", "lv_option"})
        mediator_->SetValue(name, 1);
    for (const char* name : {"exp_normal", "exp_wide", "exp_explode", "exp_option"})
        mediator_->SetValue(name, 0);
}

void CVemuComp::ClearGameState() {
    kitchen_.pantry().clear();
    kitchen_.selection.clear();
    kitchen_.menu.clear();
    ClearItemBag();
}

void CVemuComp::PrepareNewGame() {
    kitchen_.UsePlayerPantry();
    ClearGameState();
    ResetEventStates();
    // A pantry left from a contest that play never came back from goes too.
    kitchen_.contest_pantry.clear();
    NewGameReset();
}
