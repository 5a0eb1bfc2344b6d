// The heroine asks テイストキング about チェリー: a monster's poison has taken her words, and
// only the extract of a セイントマッシュ or a phantom dish of three ingredients can bring
// them back.
#include "events/chains/chain_stage.h"
#include "events/story.h"
#include "events/visitors/scene_line.h"

namespace {

constexpr SceneLine kCounsel[] = {
    {kTasteKing, kNormal, "お邪魔しますよ"},
    {kVemu, kAnnoy, "あっ、テイストキングさん\fあの、ちょっと相談したいことがあるんです"},
    {kTasteKing, kNormal, "ほう、なんじゃね？"},
    {kVemu, kAnnoy, "実は、お客さんのチェリーさんが、言葉を忘れてしまったみたいなんです"},
    {kTasteKing, kNormal,
     "ふむ……\fそれは、ある魔物の毒のせいかもしれんのう\nその毒に冒されると、言葉を忘れてしまうのじ"
     "ゃ"},
    {kVemu, kAmaze, "ええっ！？\n治す方法はないんですか？"},
    {kTasteKing, kNormal, "セイントマッシュのエキスを飲ませれば治るはずじゃ"},
    {kRago, kNormal, "セイントマッシュ？\nそれってボクのこと？"},
    {kTasteKing, kNormal,
     "うむ\fじゃが、お主からエキスを取り出せば、お主は死ぬか、永遠に眠り続けることになるじゃろう"},
    {kRago, kNormal, "えー！\nそんなのいやだよ！"},
    {kZelba, kNormal, "……他に方法はないのか？"},
    {kTasteKing, kNormal, "ひとつだけある\f幻の料理を食べさせれば、治るはずじゃ"},
    {kVemu, kNormal, "幻の料理……ですか？"},
    {kTasteKing, kNormal,
     "これら３つの材料を集め、料理を作るのだ\nよいか、メモリーパロット、マインドミント、バーメメン"
     "ト、だよ"},
    {kVemu, kNormal, "その材料は、どこで手に入るんですか？"},
    {kTasteKing, kNormal,
     "残念ながら、材料の全てに関しては、わしにも分からんのだよ\fただし、唯一、メモリーパロットは、"
     "料理大会の賞品としてもらえるぞ"},
    {kVemu, kNormal, "分かりました\nわたし、がんばって材料を集めてみます！"},
    {kTasteKing, kNormal, "精進せいよ"},
};

}  // namespace

StoryTask Story::TasteKingCounselEvent() {
    stage_.PlayBgm(&handles_.music, kMusicDeliciousYyoo);
    co_await Until(handles_.music);
    stage_.Sound(kSoundBell).Play(0, 0);
    for (const SceneLine& line : kCounsel) co_await Say(line.text, line.speaker, line.expression);
    stage_.PlayBgm(nullptr, kMusicQuietShop);
    state_.story_stage = kStageQuest;
}
