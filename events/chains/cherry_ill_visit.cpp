// ブロムス brings チェリー, who is still ill; with the cure in the pantry this is the visit that
// heals her.
#include "engine/common/system.h"
#include "events/chains/chain_foods.h"
#include "events/story.h"
#include "events/visitors/sold_out.h"
#include "game/rules/menu_queries.h"

StoryTask Story::CherryIllVisitEvent() {
    stage_.PlayBgm(&handles_.music, kMusicZingiberMioga);
    co_await Until(handles_.music);
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("いらっしゃいませ\nあっ、ブロムスさん、チェリーさん", kVemu, kNormal);
    co_await Say("どうも", kBromus, kTear);
    co_await Say("……ぺこり", kCherry, kTear);
    if (PantryHasFood(kitchen_, FindFoodDef(kMemorial))) {
        co_await MemorialCureEvent();
        co_return;
    }
    co_await Say("チェリーさん、調子はどうですか？", kVemu, kAnnoy);
    const char* answer = "ごはん……";
    if (Rand() % 3 == 0)
        answer = "私はチェリー……";
    else if (Rand() % 2 == 0)
        answer = "……ブロムスって\n人がいる";
    co_await Say(answer, kCherry, kTear);

    if (MenuDish* his = PickDishForVisitor()) {
        co_await VisitorSale(his, "とりあえずおれ、", "をもらおうかな", kBromus, kTear);
        co_await Say("……", kCherry, kTear);
        if (MenuDish* hers = PickDishForVisitor())
            co_await VisitorSale(hers, "じゃあこいつには", "をもらえないかな", kBromus, kTear);
        co_await Say("……", kCherry, kTear);
        co_await Say("また来るよ", kBromus, kTear);
    } else {
        co_await Say(kSoldOutApology, kVemu, kTear);
        co_await Say("……", kCherry, kTear);
        co_await Say("じゃあまた来るよ", kBromus, kTear);
    }
    co_await Say("チェリーさん、早く良くなるといいな", kVemu, kTear);
    stage_.PlayBgm(nullptr, kMusicQuietShop);
}
