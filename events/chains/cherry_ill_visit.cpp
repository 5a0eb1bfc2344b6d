// ブロムス brings チェリー, who is still ill; with the cure in the pantry this is the visit that
// heals her.
#include "engine/common/system.h"
#include "events/chains/chain_foods.h"
#include "events/visitors/sold_out.h"
#include "events/visitors/visit_music.h"
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::CherryIllVisitEvent() {
    PlayBgm(&handles_.music, kMusicWorry);
    co_await Until(handles_.music);
    Sound(kSoundBell).Play(0, 0);
    co_await Say("いらっしゃいませ\nあっ、ブロムスさん、チェリーさん", 1, 0);
    co_await Say("どうも", 5, 3);
    co_await Say("……ぺこり", 6, 3);
    if (PantryHasFood(FindFoodDef(kMemorial))) {
        co_await MemorialCureEvent();
        co_return;
    }
    co_await Say("チェリーさん、調子はどうですか？", 1, 5);
    const char* answer = "ごはん……";
    if (Rand() % 3 == 0)
        answer = "私はチェリー……";
    else if (Rand() % 2 == 0)
        answer = "……ブロムスって\n人がいる";
    co_await Say(answer, 6, 3);

    if (MenuDish* his = PickDishForVisitor()) {
        co_await VisitorSale(his, "とりあえずおれ、", "をもらおうかな", 5, 3);
        co_await Say("……", 6, 3);
        if (MenuDish* hers = PickDishForVisitor())
            co_await VisitorSale(hers, "じゃあこいつには", "をもらえないかな", 5, 3);
        co_await Say("……", 6, 3);
        co_await Say("また来るよ", 5, 3);
    } else {
        co_await Say(kSoldOutApology, 1, 3);
        co_await Say("……", 6, 3);
        co_await Say("じゃあまた来るよ", 5, 3);
    }
    co_await Say("チェリーさん、早く良くなるといいな", 1, 3);
    PlayBgm(nullptr, kMusicShop);
}
