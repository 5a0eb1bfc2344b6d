// What a win brings: the contests won go up, and the answer the player chose is paid out.
#include "events/contest/contest_table.h"
#include "game/food/food_def.h"
#include "game/main/vemu_comp.h"

std::string CVemuComp::AwardContestPrize(int contest, int choice) {
    const ContestRow* row = FindContestRow(contest);
    if (!row) return {};
    const ContestPrize& prize = ContestPrizeOf(*row, choice);
    ++state_.contests_won;
    Sound(kSoundGet).Play(0, 0);
    switch (prize.kind) {
        case PrizeKind::kMoney:
            AddMoney(row->money_prize);
            break;
        case PrizeKind::kItem:
            GiveItem(prize.name, 1);
            break;
        case PrizeKind::kFood:
            if (FoodDef* def = FindFoodDef(prize.name)) AddFood(def, kYearOfFood);
            break;
    }
    return prize.label;
}
