// クレア from next door brings five of a vegetable from her garden.
#include <array>

#include "engine/common/system.h"
#include "events/story.h"
#include "events/visitors/visit_foods.h"
#include "game/main/required_names.h"
#include "game/rules/pantry.h"

namespace {

constexpr float kGiftAmount = 5.0f;

}  // namespace

// The start-up check makes sure the data has each of them.
const std::array<const char*, 10> kNeighbourVegetables = {
    "ニンジン", "レンコン", "キャベツ", "ピーマン", "ナス",
    "ダイコン", "もやし",   "白菜",     "ミント",   "ネギ",
};

void AddVisitorNames(RequiredNames& names) {
    names.AddFoods(kNeighbourVegetables, FoodRole::kIngredient);
}

StoryTask Story::NeighbourGiftEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    stage_.ChangePortrait(nullptr, kClaire, stage_.expression());
    co_await Tell("こんにちは\fうちでとれた野菜なんですけど、おすそ分けに来ました");
    const char* vegetable =
        kNeighbourVegetables[static_cast<unsigned>(Rand()) % kNeighbourVegetables.size()];
    stage_.Sound(kSoundGet).Play(0, 0);
    if (FoodDef* def = FindFoodDef(vegetable)) StoreFood(kitchen_, Food::FromDef(def), kGiftAmount);
    co_await Tell(std::string(vegetable) + "を 5ヶ もらいました");
}
