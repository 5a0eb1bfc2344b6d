#include "events/demo/title_demo_lines.h"

#include <array>

namespace title_demo {

namespace {

constexpr Line kAppleLines[] = {
    {kVemu, kTear,
     "ゼルバさん、あんかけラーメンにりんごを入れてみたら\nなんだか変な味になっちゃいました……"},
    {kZelba, kNormal,
     "（りんごを入れたこと自体がと言いたいところだが）\nそれはきっとりんごの分量の問題だ"},
    {kZelba, kNormal, "材料選びだけでなく\nそれらの配分にも気をつかわないとな"},
    {kVemu, kTear, "はい……"},
};

constexpr Line kNewDishLines[] = {
    {kVemu, kGlad,
     "ゼルバさん、新しい料理を考えました！\n納豆に豆腐と醤油を混ぜたんです。味見してください"},
    {kZelba, kNormal, "……まずくはないが、うまくもないな"},
    {kVemu, kAnnoy, "えー、料理マンガではすごくおいしいって\nほめられてたのに……"},
    {kZelba, kAnger, "パクルんじゃないっ！"},
};

constexpr Line kLetterLines[] = {
    {kVemu, kSmile, "お便りを紹介します！\n「こんにちわ。レベルが20上がる料理を\n教えてください」"},
    {kZelba, kNormal, "それならドラゴンパワーだな"},
    {kZelba, kNormal, "ポーションか、ハイポーションに\n竜の牙を混ぜれば作れるぞ"},
    {kVemu, kSmile, "じゃあゼルバさん、お便りのあいさつに\nお返事してあげてください"},
    {kZelba, kNormal, "…………………………"},
    {kZelba, kAnnoy, "……こん……にちわ……"},
    {kZelba, kAmaze, "……ところで、このコーナーはいったい何なんだ？"},
};

constexpr Line kContestLines[] = {
    {kVemu, kSmile, "ゼルバさん、街で料理大会が開催されるそうですよ"},
    {kVemu, kGlad, "優勝すれば有名になれるし、賞品ももらえるんです\nぜるば堂も出場しましょうよ！"},
    {kZelba, kNormal, "……ふん、お前がそうしたいならそうするといい\nただし、俺は手を貸さんぞ"},
    {kVemu, kAnnoy, "えー\nゼルバさんの意地悪……"},
    {kVemu, kNormal, "（……でも料理大会で優勝すればきっとお母さんも）"},
};

constexpr std::array<std::span<const Line>, kSketchCount> kSketches = {kAppleLines, kNewDishLines,
                                                                       kLetterLines, kContestLines};

}  // namespace

std::span<const Line> SketchLines(Sketch sketch) {
    const auto index = static_cast<std::size_t>(sketch);
    return index < kSketches.size() ? kSketches[index] : std::span<const Line>();
}

}  // namespace title_demo
