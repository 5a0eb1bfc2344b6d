#include "events/demo/title_demo_lines.h"

#include <array>

namespace title_demo {

namespace {

// Expressions: 0 plain, 1 smile, 2 glad, 3 anger, 4 tear, 5 annoy, 6 amaze.
constexpr Line kAppleLines[] = {
    {kHeroine, 4,
     "ゼルバさん、あんかけラーメンにりんごを入れてみたら\nなんだか変な味になっちゃいました……"},
    {kOwner, 0,
     "（りんごを入れたこと自体がと言いたいところだが）\nそれはきっとりんごの分量の問題だ"},
    {kOwner, 0, "材料選びだけでなく\nそれらの配分にも気をつかわないとな"},
    {kHeroine, 4, "はい……"},
};

constexpr Line kNewDishLines[] = {
    {kHeroine, 2,
     "ゼルバさん、新しい料理を考えました！\n納豆に豆腐と醤油を混ぜたんです。味見してください"},
    {kOwner, 0, "……まずくはないが、うまくもないな"},
    {kHeroine, 5, "えー、料理マンガではすごくおいしいって\nほめられてたのに……"},
    {kOwner, 3, "パクルんじゃないっ！"},
};

constexpr Line kLetterLines[] = {
    {kHeroine, 1, "お便りを紹介します！\n「こんにちわ。レベルが20上がる料理を\n教えてください」"},
    {kOwner, 0, "それならドラゴンパワーだな"},
    {kOwner, 0, "ポーションか、ハイポーションに\n竜の牙を混ぜれば作れるぞ"},
    {kHeroine, 1, "じゃあゼルバさん、お便りのあいさつに\nお返事してあげてください"},
    {kOwner, 0, "…………………………"},
    {kOwner, 5, "……こん……にちわ……"},
    {kOwner, 6, "……ところで、このコーナーはいったい何なんだ？"},
};

constexpr Line kContestLines[] = {
    {kHeroine, 1, "ゼルバさん、街で料理大会が開催されるそうですよ"},
    {kHeroine, 2, "優勝すれば有名になれるし、賞品ももらえるんです\nぜるば堂も出場しましょうよ！"},
    {kOwner, 0, "……ふん、お前がそうしたいならそうするといい\nただし、俺は手を貸さんぞ"},
    {kHeroine, 5, "えー\nゼルバさんの意地悪……"},
    {kHeroine, 0, "（……でも料理大会で優勝すればきっとお母さんも）"},
};

constexpr std::array<std::span<const Line>, kSketchCount> kSketches = {kAppleLines, kNewDishLines,
                                                                       kLetterLines, kContestLines};

}  // namespace

std::span<const Line> SketchLines(Sketch sketch) {
    const auto index = static_cast<std::size_t>(sketch);
    return index < kSketches.size() ? kSketches[index] : std::span<const Line>();
}

}  // namespace title_demo
