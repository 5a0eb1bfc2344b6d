// チェリー eats メモリアル and remembers; the staff roll follows, and then the game goes on.
#include "engine/framework/game_mediator.h"
#include "events/chains/chain_stage.h"
#include "events/visitors/visit_music.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kBeforeRollMs = 5000;
// Over as soon as the component switches away: the staff roll stops the main game's waits.
constexpr int kDuringRollMs = 10000;
constexpr int kAfterRollMs = 2000;
constexpr int kFadeWhite = 2;

}  // namespace

StoryTask CVemuComp::MemorialCureEvent() {
    co_await Say("チェリーさん、これを食べてみてください\f『メモリアル』っていう料理なんです", 1,
                 1);
    co_await Say("メモリアル？\n変わった名前の料理だな", 5, 3);
    co_await Say("さあ、チェリーさん\nどうぞ召し上がってください", 1, 1);
    PlayBgm(nullptr, kMusicUnchanged);
    co_await Say("……\fパク\f", 6, 3);
    co_await Say("……", 1, 0);
    co_await Say("……ブロムス", 6, 0);
    co_await Say("ブロムス……よね\nどうして、私、こんな大事なことを忘れていたのかしら", 6, 0);
    co_await Say("！？", 5, 0);
    co_await Say("もしかして", 1, 2);
    co_await Say("治ったのか？", 5, 1);
    PlayBgm(nullptr, kMusicTown);
    co_await Say("ヴェムさん、本当にありがとう\f私、ずっと夢の中にいたみたい", 6, 1);
    co_await Say("ありがとう、ヴェムちゃん\nこの恩は忘れないよ\fまた二人で食べに来るからな", 5, 1);
    co_await Say("はい、お待ちしてます", 1, 2);

    state_.story_stage = kStageNone;
    state_.chain_resolved = 1;
    PlayBgm(nullptr, kMusicVemu);
    Wait(&handles_.music, kBeforeRollMs);
    co_await Until(handles_.music);
    set_music_carries_over(true);
    mediator_->ChangeComponent("EndingComp", kFadeWhite, 0);
    Wait(&handles_.music, kDuringRollMs);
    co_await Until(handles_.music);
    set_music_carries_over(false);
    PlayBgm(nullptr, kMusicShop);
    Wait(&handles_.music, kAfterRollMs);
    co_await Until(handles_.music);
    co_await Say("さあ、これからも頑張っていきましょう", 1, 1);
}
