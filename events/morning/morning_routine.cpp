// The morning after a night's rest: a dream, for a game that carries one; the greeting; the
// goods of the shares and the purchase for the menu; on the first morning ゼルバ's errand to
// the forest; and now and then one of his tips.
#include <array>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/nvl_component.h"
#include "events/morning/morning_tips.h"
#include "events/story.h"
#include "game/economy/auto_purchase.h"
#include "game/economy/shares.h"
#include "game/main/scene_question.h"
#include "game/rules/daily.h"

namespace {

// The dream of each odd "state_dream"; after it the value moves on to the next even one.
struct Dream {
    int state;
    Story::StoryScene scene;
};
constexpr std::array<Dream, 7> kDreams = {{
    {1, &Story::NarfDream},
    {3, &Story::WhiteMagicDream},
    {5, &Story::PancakeDream},
    {7, &Story::KinshipDream},
    {9, &Story::ManaFruitDream},
    {11, &Story::SnowDream},
    {13, &Story::FrozenWorldDream},
}};

Story::StoryScene DreamOf(int state) {
    for (const Dream& dream : kDreams)
        if (dream.state == state) return dream.scene;
    return nullptr;
}

}  // namespace

StoryTask Story::MorningRoutineEvent() {
    UpdateMemoryFoodState(state_, world_.memory_food_first, world_.memory_food_second);
    if (const StoryScene dream = DreamOf(state_.state_dream)) {
        ++state_.state_dream;
        state_.state_day_cnt = 0;
        co_await (this->*dream)();
    }
    if (Rand() % 2 == 0) {
        novel_.PlayVoice("voice\\good_morning1.wav");
        co_await Say("おはようございます", kVemu, kSmile);
    } else {
        novel_.PlayVoice("voice\\good_morning2.wav");
        co_await Say("おはようございます\n今日も１日、頑張りましょう", kVemu, kSmile);
    }
    co_await MorningGoods();
    if (!state_.place_flags[kPlaceForest]) co_await ForestRequest();
    if (const char* tip = MorningTip(Rand() % kMorningTipDraws)) co_await Say(tip, kZelba, kNormal);
}

StoryTask Story::MorningGoods() {
    bool shown = false;
    SceneHandle read(novel_.message_output());
    if (DeliverShareGoods(state_, kitchen_, mediator_->items())) {
        stage_.Sound(kSoundGet).Play(0, 0);
        stage_.ShowMessage(read.get(), "材料が届きました\n", true);
        shown = true;
    }
    if (AutoPurchase(state_, kitchen_, mediator_->values())) {
        stage_.Sound(kSoundGet).Play(0, 0);
        // Joins the delivery's message while that is still on screen.
        novel_.ShowOrAppendMessage(read.get(), "材料を仕入れました", Stage::kMessageColor,
                                   &stage_.message_font());
        shown = true;
    }
    // Read before the next line takes the window.
    if (shown) co_await Until(*read);
}

StoryTask Story::ForestRequest() {
    co_await Say(
        "そういえば、ゼルバ炒めに使う『ゼルバワラビ』と『ゼルゼルダケ』が\n"
        "残り少なくなってきたな\f"
        "どちらも『マナの森』に生えておる\n時間のあるときに採ってきてはくれんか",
        kZelba, kNormal);
    co_await Say("分かりました『マナの森』にですね\nあれは町のお店では売ってませんからね", kVemu,
                 kSmile);
    co_await Say("ただし、無理に深入りせんようにな", kZelba, kNormal);
    stage_.Sound(kSoundAhead).Play(0, 0);
    co_await Say("『マナの森』に行けるようになりました", kRago, kNormal);
    state_.place_flags[kPlaceForest] = 1;
}
