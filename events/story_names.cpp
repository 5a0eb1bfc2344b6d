// What the story's scenes look up by name, gathered from each group's own tables.
#include "events/chains/chain_foods.h"
#include "events/contest/contest_table.h"
#include "events/day/opening_dish.h"
#include "events/month/recipe_rewards.h"
#include "events/visitors/visit_foods.h"
#include "game/main/required_names.h"

void AddStoryNames(RequiredNames& names) {
    AddContestNames(names);
    AddVisitorNames(names);
    AddMonthNames(names);
    AddChainNames(names);
    AddDayNames(names);
}
