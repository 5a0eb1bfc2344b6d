// マウントメイル orders a dish and judges the shop by it: a dish worth its price doubles the
// reputation, a poor one halves it.
#include <algorithm>

#include "events/story.h"
#include "events/visitors/sold_out.h"
#include "game/cooking/dish_value.h"
#include "game/rules/shop_rank.h"

namespace {

constexpr float kTopReputation = 100.0f;

}  // namespace

StoryTask Story::MountMailVisitEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("いらっしゃいませ", kVemu, kNormal);
    MenuDish* dish = PickDishForVisitor();
    if (!dish) {
        co_await Say("この店で、一番うまいものを出してもらおう", kMountMail, kNormal);
        co_await Say(kSoldOutApology, kVemu, kTear);
        co_await Say("ふん、とんだ無駄足だったな\n失礼する", kMountMail, kNormal);
        co_return;
    }
    co_await Say("店主、『" + dish->name + "』をいただこうか", kMountMail, kNormal);
    co_await Say("かしこまりました", kVemu, kSmile);
    // His verdict moves the reputation; the sale itself counts only as money.
    if (!ServeToVisitor(*dish)) {
        co_await Say(kSoldOutApology, kVemu, kTear);
        co_await Say("ふん、とんだ無駄足だったな\n失礼する", kMountMail, kNormal);
        co_return;
    }
    co_await SellToVisitor(*dish, false);
    co_await Say("ほう、これか", kMountMail, kNormal);
    if (DishValuePercent(state_, *dish) / 2 > GetHonorThreshold(state_)) {
        co_await Say("なるほど、店主よ\n噂に違わぬなかなかのものだな\nこれからも励め", kMountMail,
                     kSmile);
        co_await Say("ありがとうございます！", kVemu, kGlad);
        stage_.Sound(kSoundGet).Play(0, 0);
        state_.reputation = std::min(state_.reputation * 2.0f, kTopReputation);
        co_await Say("ぜるば堂の評判が上がりました", kVemu, kGlad);
    } else {
        co_await Say("ふん、噂を聞いて来てみたが、所詮はこの程度か\n時間の無駄だったな", kMountMail,
                     kAnger);
        state_.reputation *= 0.5f;
        co_await Say("ぜるば堂の評判が下がりました", kMountMail, kAnger);
    }
}
