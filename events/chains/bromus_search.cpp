// ブロムス looks for チェリー: since her work at the castle she does not know him.
#include "events/chains/chain_stage.h"
#include "events/story.h"

StoryTask Story::BromusSearchEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    stage_.PlayBgm(nullptr, kMusicUnchanged);
    co_await Say("すまん、ここに、チェリーは来なかったか？", kBromus, kTear);
    co_await Say(
        "チェリーさんなら、さっきいらっしゃいましたけど……\f様子が変で、何も言わずに帰ってしまいまし"
        "た",
        kVemu, kAnnoy);
    co_await Say(
        "そうか……\fお城での仕事から帰ってきてから、チェリーの様子がおかしいんだ\f俺のことも分からな"
        "いみたいで……",
        kBromus, kTear);
    co_await Say("とりあえず俺はチェリーを探しに行くから", kBromus, kTear);
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("……チェリーさんに、一体何があったのかな\n心配です……", kVemu, kAnnoy);
    stage_.PlayBgm(nullptr, kMusicQuietShop);
    state_.story_stage = kStageCherryIll;
}
