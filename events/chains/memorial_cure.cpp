// チェリー eats メモリアル and remembers; the staff roll follows, and then the game goes on.
#include "engine/framework/game_mediator.h"
#include "engine/framework/nvl_component.h"
#include "events/chains/chain_stage.h"
#include "events/story.h"
#include "game/ending/ending_component.h"

namespace {

constexpr int kBeforeRollMs = 5000;
// Over as soon as the component switches away: the staff roll stops the main game's waits.
constexpr int kDuringRollMs = 10000;
constexpr int kAfterRollMs = 2000;
constexpr int kFadeWhite = 2;

}  // namespace

StoryTask Story::MemorialCureEvent() {
    co_await Say("チェリーさん、これを食べてみてください\f『メモリアル』っていう料理なんです",
                 kVemu, kSmile);
    co_await Say("メモリアル？\n変わった名前の料理だな", kBromus, kTear);
    co_await Say("さあ、チェリーさん\nどうぞ召し上がってください", kVemu, kSmile);
    stage_.PlayBgm(nullptr, kMusicUnchanged);
    co_await Say("……\fパク\f", kCherry, kTear);
    co_await Say("……", kVemu, kNormal);
    co_await Say("……ブロムス", kCherry, kNormal);
    co_await Say("ブロムス……よね\nどうして、私、こんな大事なことを忘れていたのかしら", kCherry,
                 kNormal);
    co_await Say("！？", kBromus, kNormal);
    co_await Say("もしかして", kVemu, kGlad);
    co_await Say("治ったのか？", kBromus, kSmile);
    stage_.PlayBgm(nullptr, kMusicMerrimentTown);
    co_await Say("ヴェムさん、本当にありがとう\f私、ずっと夢の中にいたみたい", kCherry, kSmile);
    co_await Say("ありがとう、ヴェムちゃん\nこの恩は忘れないよ\fまた二人で食べに来るからな",
                 kBromus, kSmile);
    co_await Say("はい、お待ちしてます", kVemu, kGlad);

    state_.story_stage = kStageNone;
    state_.chain_resolved = 1;
    stage_.PlayBgm(nullptr, kMusicThemeOfVemu);
    novel_.Wait(&handles_.music, kBeforeRollMs);
    co_await Until(handles_.music);
    stage_.set_music_carries_over(true);
    mediator_->ChangeComponent(CEndingComp::kName, kFadeWhite, 0);
    novel_.Wait(&handles_.music, kDuringRollMs);
    co_await Until(handles_.music);
    stage_.set_music_carries_over(false);
    stage_.PlayBgm(nullptr, kMusicQuietShop);
    novel_.Wait(&handles_.music, kAfterRollMs);
    co_await Until(handles_.music);
    co_await Say("さあ、これからも頑張っていきましょう", kVemu, kSmile);
}
