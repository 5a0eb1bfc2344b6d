// ブロムス looks for チェリー: since her work at the castle she does not know him.
#include "events/chains/chain_stage.h"
#include "events/visitors/visit_music.h"
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::BromusSearchEvent() {
    Sound(kSoundBell).Play(0, 0);
    PlayBgm(nullptr, kMusicUnchanged);
    co_await Say("すまん、ここに、チェリーは来なかったか？", 5, 3);
    co_await Say(
        "チェリーさんなら、さっきいらっしゃいましたけど……\f様子が変で、何も言わずに帰ってしまいまし"
        "た",
        1, 5);
    co_await Say(
        "そうか……\fお城での仕事から帰ってきてから、チェリーの様子がおかしいんだ\f俺のことも分からな"
        "いみたいで……",
        5, 3);
    co_await Say("とりあえず俺はチェリーを探しに行くから", 5, 3);
    Sound(kSoundBell).Play(0, 0);
    co_await Say("……チェリーさんに、一体何があったのかな\n心配です……", 1, 5);
    PlayBgm(nullptr, kMusicShop);
    state_.story_stage = kStageCherryIll;
}
