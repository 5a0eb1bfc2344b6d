// モンガ, the travelling merchant, in his four trades: rare goods, beans and lucky goods sold
// on the food shop screen, and pans on the tool shop screen, each until the player has enough.
#include <array>

#include "events/story.h"
#include "game/main/scene_question.h"

namespace {

struct Trade {
    const char* greeting;
    const char* yes_answer;
    const char* no_answer;
    GoodsList goods;  // the goods list the shop screen sells from
    int screen;       // the shop screen
    const char* again;
    const char* thanks;
};

enum TradeIndex : int { kRareGoods = 0, kBeans, kLuckyGoods, kPans };

constexpr const char* kFoodAgain = "まだ買うカ？";
constexpr const char* kFoodThanks = "まいどありネ";
constexpr const char* kFoodNo = "それは残念ネ";

constexpr std::array<Trade, 4> kTrades = {{
    {"どーもどーも\fワタシ世界をまたにかけ食材を集める行商人ネ\f食材見ていってヨ",
     "珍しいものも色々あるヨ", kFoodNo, kGoodsRareFoods, kScreenFoodShop, kFoodAgain, kFoodThanks},
    {"どーもどーも\fワタシ豆ひとすじ豆商人\f豆買ってヨ", "マメマメヨ", kFoodNo, kGoodsBeans,
     kScreenFoodShop, kFoodAgain, kFoodThanks},
    {"どーもどーも\f幻の食材欲しくない？", "あなたとっても幸運ヨ", kFoodNo, kGoodsLuckyFoods,
     kScreenFoodShop, kFoodAgain, kFoodThanks},
    {"どーもどーも\fワタシ世界をまたにかけナベを集める行商人アルヨ\fナベ見ていってアルヨ",
     "珍しいナベがあるヨ", "それは残念アルヨ", kGoodsPans, kScreenToolShop, "まだ買うアルカ？",
     "まいどありアルヨ"},
}};

}  // namespace

StoryTask Story::MerchantRareGoodsEvent() { co_await MerchantEvent(kRareGoods); }
StoryTask Story::MerchantBeansEvent() { co_await MerchantEvent(kBeans); }
StoryTask Story::MerchantLuckyGoodsEvent() { co_await MerchantEvent(kLuckyGoods); }
StoryTask Story::MerchantPansEvent() { co_await MerchantEvent(kPans); }

StoryTask Story::MerchantEvent(int variant) {
    const Trade& trade = kTrades[static_cast<std::size_t>(variant)];
    stage_.Sound(kSoundBell).Play(0, 0);
    stage_.ChangePortrait(nullptr, kMonga, stage_.expression());
    co_await Tell(trade.greeting, false);
    screens_.cursor() = 0;
    const int answer = co_await Question(stage_);
    const bool buying = answer == 0;
    co_await Tell(buying ? trade.yes_answer : trade.no_answer);
    if (!buying) co_return;
    world_.goods_in_use = trade.goods;
    co_await MerchantBuyLoop(trade.screen, trade.again, trade.thanks);
}

StoryTask Story::MerchantBuyLoop(int screen, std::string again, std::string thanks) {
    // The first question opens on はい.
    stage_.set_choice_result(0);
    int answer = 0;
    while (answer != 1) {
        co_await YieldToScreen(screen);
        co_await Tell(again, false);
        answer = co_await Question(stage_);
    }
    co_await Tell(thanks);
}
