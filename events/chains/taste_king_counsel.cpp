// The heroine asks テイストキング about チェリー: a monster's poison has taken her words, and
// only the extract of a セイントマッシュ or a phantom dish of three ingredients can bring
// them back.
#include "events/chains/chain_stage.h"
#include "events/visitors/scene_line.h"
#include "events/visitors/visit_music.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr SceneLine kCounsel[] = {
    {18, 0, "お邪魔しますよ"},
    {1, 5, "あっ、テイストキングさん\fあの、ちょっと相談したいことがあるんです"},
    {18, 0, "ほう、なんじゃね？"},
    {1, 5, "実は、お客さんのチェリーさんが、言葉を忘れてしまったみたいなんです"},
    {18, 0,
     "ふむ……\fそれは、ある魔物の毒のせいかもしれんのう\nその毒に冒されると、言葉を忘れてしまうのじ"
     "ゃ"},
    {1, 6, "ええっ！？\n治す方法はないんですか？"},
    {18, 0, "セイントマッシュのエキスを飲ませれば治るはずじゃ"},
    {3, 0, "セイントマッシュ？\nそれってボクのこと？"},
    {18, 0,
     "うむ\fじゃが、お主からエキスを取り出せば、お主は死ぬか、永遠に眠り続けることになるじゃろう"},
    {3, 0, "えー！\nそんなのいやだよ！"},
    {2, 0, "……他に方法はないのか？"},
    {18, 0, "ひとつだけある\f幻の料理を食べさせれば、治るはずじゃ"},
    {1, 0, "幻の料理……ですか？"},
    {18, 0,
     "これら３つの材料を集め、料理を作るのだ\nよいか、メモリーパロット、マインドミント、バーメメン"
     "ト、だよ"},
    {1, 0, "その材料は、どこで手に入るんですか？"},
    {18, 0,
     "残念ながら、材料の全てに関しては、わしにも分からんのだよ\fただし、唯一、メモリーパロットは、"
     "料理大会の賞品としてもらえるぞ"},
    {1, 0, "分かりました\nわたし、がんばって材料を集めてみます！"},
    {18, 0, "精進せいよ"},
};

}  // namespace

StoryTask CVemuComp::TasteKingCounselEvent() {
    PlayBgm(&handles_.music, kMusicTasteKing);
    co_await Until(handles_.music);
    Sound(kSoundBell).Play(0, 0);
    for (const SceneLine& line : kCounsel) co_await Say(line.text, line.speaker, line.expression);
    PlayBgm(nullptr, kMusicShop);
    state_.story_stage = kStageQuest;
}
