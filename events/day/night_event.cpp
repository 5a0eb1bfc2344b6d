// The end of the day: now and then a good night, with a reminder of the memory dish while its
// story waits on the player, and every night the check for a recipe-count reward.
#include "engine/common/system.h"
#include "events/story.h"

namespace {

// The values of the memory dish's story at which someone has told her how to cook it.
constexpr int kToldByRago = 1;
constexpr int kToldByZelba = 4;

}  // namespace

StoryTask Story::NightEvent() {
    if (Rand() % 3 == 0) {
        co_await Say("今日もおつかれさまでした\nおやすみなさい", kVemu, kSmile);
        co_await MemoryDishReminder();
    }
    co_await RecipeRewardEvent();
}

StoryTask Story::MemoryDishReminder() {
    if (state_.state_memory_food == kToldByRago) {
        co_await Say(
            "ヴェム、忘れちゃいないよね？\n思い出の料理は、『レモン』と『化け猫の骨』を煮るんだよ\f"
            "『化け猫の骨』は『エブラの洞窟』にあると思うよ",
            kRago, kNormal);
        co_await Say("ありがとう、ラゴ\n明日は頑張ろうね", kVemu, kSmile);
    } else if (state_.state_memory_food == kToldByZelba) {
        co_await Say(
            "忘れんようにもう一度言っておくぞ\n"
            "伝説の記憶の料理は『キャトレモネ』と『メモリーパロット』を煮るのだ\f"
            "『メモリーパロット』を手に入れるには『料理大会』で勝たねばならん",
            kZelba, kNormal);
        co_await Say("ありがとうございます、ゼルバさん\n明日は頑張ります", kVemu, kSmile);
    }
}
