#include "events/contest/contest_judges.h"

#include <array>

#include "events/contest/contest_table.h"
#include "events/story.h"

namespace {

struct ScoreBandRow {
    int lowest;  // the first score of the band
    JudgeComment mount_mail;
    JudgeComment taste_king;
};

constexpr std::array<ScoreBandRow, 12> kBands = {{
    {-2147483647 - 1,
     {"話にならんッ！\n（マウントメイルは豪快にちゃぶ台をひっくり返した）\f"
      "二度と私の前に顔を出すな\nと言いたいところだが、今回だけは参加費に免じて許してやろう",
      kAnger},
     {"……精進はこれからじゃのう", kNormal}},
    {1,
     {"ふざけるでないわ！\nなんだこれは、これが食い物か！？\f"
      "おのれそれでよくおめおめとこの大会に出場できたものだな\n出直すがいい",
      kAnger},
     {"真心は、こもっておるのう", kNormal}},
    {3,
     {"なっ、何だこれは！\n馬鹿にするにも程がある\f貴様それでも料理人か\n恥を知れ！", kAnger},
     {"筋はよいぞぉ", kNormal}},
    {6, {"このような代物を出すとは\n恥を知れ！", kAnger}, {"はぁぁぁぁぁ！\nキュピーン！", kAmaze}},
    {10, {"所詮はこの程度……", kNormal}, {"ウム、こちらもうまいぞ", kAmaze}},
    {16,
     {"まあ及第点といったところかな", kNormal},
     {"キタキタキタッ……\nうまうまじゃ\nうまうまー", kAmaze}},
    {26,
     {"……フン\n（マウントメイルはまんざらでもなさそうだ）", kNormal},
     {"なななななんとこれは……\nうまいっ！\fうまいぞー！", kAmaze}},
    {42,
     {"……くっ\n（マウントメイルは悔しそうだ）", kNormal},
     {"ぬぅおおおお！\nこれはっ！？\fう・ま・い・ぞぉー！", kGlad}},
    {68,
     {"……むぅ\n（マウントメイルは満足気だ）", kSmile},
     {"うまいっ！\nうまいぞー！\fうまいぞぉ、うまいぞぉ、うまいぞぉ\nう・ま・い・ぞぉぉぉぉぉ！",
      kGlad}},
    {110,
     {"ふおっ！\n（マウントメイルはクラッと来たようだ）", kSmile},
     {"うっ、うますぎるぞぉー！\nわしも、長生きしたのう\fよくぞここまで精進した", kGlad}},
    {178,
     {"……\n（マウントメイルは涙ぐんでいる）", kSmile},
     {"くはぁぁ！\n見える、見えるぞぉ！\n新しき世界\fそうよここはパラダイス\nうまいぞー！", kGlad}},
    {288,
     {"……認めざるを得ないようだな\nあなたは最高の料理人のようだ", kSmile},
     {"よもやこのようなものがこの世に存在したとは\fうまいうまいぞ\nそうれ踊れや踊れ\f"
      "生きとし生けるもの万物全てに感謝じゃ\nありがとさ～ん",
      kGlad}},
}};

}  // namespace

int ScoreBand(int score) {
    int band = 0;
    while (band + 1 < static_cast<int>(kBands.size()) &&
           score >= kBands[static_cast<std::size_t>(band) + 1].lowest)
        ++band;
    return band;
}

JudgeComment MountMailComment(int score) {
    return kBands[static_cast<std::size_t>(ScoreBand(score))].mount_mail;
}

JudgeComment TasteKingComment(int score) {
    return kBands[static_cast<std::size_t>(ScoreBand(score))].taste_king;
}

StoryTask Story::MountMailVerdict(int score) {
    const JudgeComment comment = MountMailComment(score);
    stage_.ChangePortrait(&handles_.portrait, kMountMail, kNormal);
    co_await Until(handles_.portrait);
    co_await Say(comment.text, kMountMail, comment.expression);
}

StoryTask Story::TasteKingTasting(int score) {
    const JudgeComment comment = TasteKingComment(score);
    co_await Say("いただきます", kTasteKing, kNormal);
    co_await Say("こっ、これは！？", kTasteKing, kNormal);
    co_await Say(comment.text, kTasteKing, comment.expression);
    co_await Say("ごちそうさま", kTasteKing, kSmile);
}
