// ナルフ comes back for the ラザニア she asked for; once it is on the menu she keeps her word
// and gives バーメメント.
#include "events/chains/chain_foods.h"
#include "events/chains/chain_stage.h"
#include "events/story.h"
#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"

StoryTask Story::NarfLasagnaEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("こんにちは", kNarf, kNormal);
    co_await Say("いらっしゃいませ\nあっ、ナルフさん", kVemu, kNormal);
    if (!IsDishOnMenu(kitchen_, kLasagna)) {
        co_await Say(
            "ラザニアはまだないみたいですね\fラザニアがメニューに加わるのを楽しみにしていますね",
            kNarf, kNormal);
        co_return;
    }
    co_await Say("あら？\nメニューにラザニアがありますね", kNarf, kNormal);
    co_await Say("はい！\nナルフさんとの約束なので、用意しておいたんです", kVemu, kSmile);
    co_await Say("では、約束どおり、バーメメントを差し上げますよ", kNarf, kNormal);
    stage_.Sound(kSoundGet).Play(0, 0);
    if (FoodDef* barmement = FindFoodDef(kBarmement)) AddFood(kitchen_, barmement, 1.0f);
    co_await Say("バーメメントを手に入れました", kVemu, kNormal);
    co_await Say("ありがとうございます！\fよかったら、ラザニアを食べていってください", kVemu,
                 kSmile);
    co_await Say("ありがとう……\nでも、ラザニアっていう料理がどんなものか見られただけで十分です",
                 kNarf, kNormal);
    co_await Say("それではごきげんよう", kNarf, kNormal);
    co_await Say("そういえばナルフさんって、ここで料理を食べて行ったこと一度もないのよね", kVemu,
                 kNormal);
    state_.story_stage = kStageBarmementGiven;
}
