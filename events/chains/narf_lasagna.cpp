// ナルフ comes back for the ラザニア she asked for; once it is on the menu she keeps her word
// and gives バーメメント.
#include "events/chains/chain_foods.h"
#include "events/chains/chain_stage.h"
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::NarfLasagnaEvent() {
    Sound(kSoundBell).Play(0, 0);
    co_await Say("こんにちは", 4, 0);
    co_await Say("いらっしゃいませ\nあっ、ナルフさん", 1, 0);
    if (!IsDishOnMenu(kLasagna)) {
        co_await Say(
            "ラザニアはまだないみたいですね\fラザニアがメニューに加わるのを楽しみにしていますね", 4,
            0);
        co_return;
    }
    co_await Say("あら？\nメニューにラザニアがありますね", 4, 0);
    co_await Say("はい！\nナルフさんとの約束なので、用意しておいたんです", 1, 1);
    co_await Say("では、約束どおり、バーメメントを差し上げますよ", 4, 0);
    Sound(kSoundGet).Play(0, 0);
    if (FoodDef* barmement = FindFoodDef(kBarmement)) AddFood(barmement, 1.0f);
    co_await Say("バーメメントを手に入れました", 1, 0);
    co_await Say("ありがとうございます！\fよかったら、ラザニアを食べていってください", 1, 1);
    co_await Say("ありがとう……\nでも、ラザニアっていう料理がどんなものか見られただけで十分です", 4,
                 0);
    co_await Say("それではごきげんよう", 4, 0);
    co_await Say("そういえばナルフさんって、ここで料理を食べて行ったこと一度もないのよね", 1, 0);
    state_.story_stage = kStageBarmementGiven;
}
