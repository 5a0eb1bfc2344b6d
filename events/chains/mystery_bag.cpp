// リバティー the handyman sells a bag of ten units of one ingredient for five times the
// average price of what it may hold; each visit, bought or not, widens its range.
#include "events/chains/mystery_bag.h"

#include <algorithm>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/main/scene_question.h"
#include "game/rules/money.h"
#include "game/rules/pantry.h"

namespace {

constexpr float kBagAmount = 10.0f;

}  // namespace

int BagRange(int counter, const FoodCatalogue& catalogue) {
    const int entries = static_cast<int>(std::min<std::size_t>(catalogue.size(), kBagMost));
    return std::min(std::clamp(counter, kBagFewest, kBagMost), entries);
}

int BagPrice(int range, const FoodCatalogue& catalogue) {
    if (range <= 0) return 0;
    long long total = 0;
    for (int i = 0; i < range; ++i) total += 5LL * catalogue[static_cast<std::size_t>(i)]->price;
    return static_cast<int>(total / range);
}

StoryTask Story::MysteryBagEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("僕は何でも屋リバティー", kLiberty, kNormal);
    state_.liberty_boxes = std::max(state_.liberty_boxes, kBagFewest);
    const FoodCatalogue& catalogue = GlobalFoodCatalogue();
    const int range = BagRange(state_.liberty_boxes, catalogue);
    const int price = BagPrice(range, catalogue);
    co_await Tell("旅の途中で見つけたこの食材袋\n" + std::to_string(price) +
                      " クルで買わない？\n中身は空けてからのお楽しみ",
                  false);
    stage_.set_choice_result(0);
    const int answer = co_await Question(stage_);
    if (answer == 0 && range > 0) {
        stage_.Sound(kSoundGet).Play(0, 0);
        FoodDef* contents =
            catalogue[static_cast<unsigned>(Rand()) % static_cast<unsigned>(range)].get();
        AddMoney(state_, mediator_->values(), -price);
        AddFood(kitchen_, contents, kBagAmount);
        co_await Tell("中身は『" + contents->name + " 10ヶ』でした");
    } else {
        co_await Tell("えー！\f……\fまた来ます");
    }
    if (state_.liberty_boxes < kBagMost) ++state_.liberty_boxes;
}
