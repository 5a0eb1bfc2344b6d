// ブロムス has found チェリー, but she is not herself.
#include "events/chains/chain_stage.h"
#include "events/story.h"

StoryTask Story::CherryFoundEvent() {
    stage_.Sound(kSoundBell).Play(0, 0);
    stage_.PlayBgm(&handles_.music, kMusicZingiberMioga);
    co_await Until(handles_.music);
    co_await Say("ども……", kBromus, kTear);
    co_await Say("……", kCherry, kTear);
    co_await Say("チェリーさんはもう大丈夫なんですか？", kVemu, kAnnoy);
    co_await Say("見付かったのは良かったんだけど、この調子なんだ", kBromus, kTear);
    co_await Say("……ぜる……ば……", kCherry, kTear);
    co_await Say("ずっとこうなんだ……\fいったいどうすればいいんだ……", kBromus, kTear);
    stage_.Sound(kSoundBell).Play(0, 0);
    co_await Say("……チェリーさん、早く良くなるといいな", kVemu, kAnnoy);
    stage_.PlayBgm(nullptr, kMusicQuietShop);
    state_.story_stage = kStageCureTold;
}
