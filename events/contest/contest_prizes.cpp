// What a win brings: the contests won go up, and the answer the player chose is paid out.
#include "engine/framework/game_mediator.h"
#include "events/contest/contest_table.h"
#include "events/story.h"
#include "game/economy/owned_items.h"
#include "game/food/food_def.h"
#include "game/rules/money.h"
#include "game/rules/pantry.h"

std::string Story::AwardContestPrize(int contest, int choice) {
    const ContestRow* row = FindContestRow(contest);
    if (!row) return {};
    const ContestPrize& prize = ContestPrizeOf(*row, choice);
    ++state_.contests_won;
    stage_.Sound(kSoundGet).Play(0, 0);
    switch (prize.kind) {
        case PrizeKind::kMoney:
            AddMoney(state_, mediator_->values(), row->money_prize);
            break;
        case PrizeKind::kItem:
            GiveItem(state_, mediator_->items(), prize.name, 1);
            break;
        case PrizeKind::kFood:
            if (FoodDef* def = FindFoodDef(prize.name)) AddFood(kitchen_, def, kYearOfFood);
            break;
    }
    return prize.label;
}
