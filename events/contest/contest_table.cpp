#include "events/contest/contest_table.h"

#include <algorithm>

#include "events/contest/contest_vote.h"
#include "game/main/required_names.h"

namespace {

constexpr const char* kProvidedLead = "今回はこちらで食材を用意します\n参加費用は ";
constexpr const char* kOwnDishLead =
    "今回は各自予め作った料理を持ち寄っていただきます\n参加費用は ";
constexpr const char* kProvidedRules[2] = {
    "今回は、総合的に優れた料理を作っていただきます",
    "それでは、食材はこちらで用意させていただきましたので存分に腕を奮っていただきましょう"};
constexpr const char* kOwnDishRules =
    "今回は、予め用意していただいた料理を提出していただきその総合力を競います";

constexpr ContestPrize Money(const char* label) { return {label, PrizeKind::kMoney, nullptr}; }
constexpr ContestPrize Item(const char* name) { return {name, PrizeKind::kItem, name}; }
constexpr ContestPrize Food(const char* label, const char* name) {
    return {label, PrizeKind::kFood, name};
}
constexpr ContestPrize kMemoryParrots = Food("メモリーパロット１年分", "メモリーパロット");
constexpr ContestPrize kNoPrize = {nullptr, PrizeKind::kMoney, nullptr};

using JI = JudgeIntroduction;

const ContestRow kContests[kContestCount] = {
    {500,
     true,
     nullptr,
     {kAntonio, kMountMail, kTasteKing},
     kClaire,
     16,
     5000,
     {Money("5000 クル"), Item("鉄のナベ"), Item("甘粉商事株")},
     kProvidedLead,
     {kProvidedRules[0], kProvidedRules[1]},
     JI::kEach,
     false},
    {1000,
     true,
     nullptr,
     {kMasamune, kMountMail, kTasteKing},
     kMonga,
     24,
     10000,
     {Money("10000 クル"), Food("小麦粉１年分", "小麦粉"), Item("金の髪飾り")},
     kProvidedLead,
     {kProvidedRules[0], kProvidedRules[1]},
     JI::kFirstThenPair,
     false},
    {2000,
     true,
     nullptr,
     {kFu, kMountMail, kTasteKing},
     kLiberty,
     34,
     20000,
     {Money("20000 クル"), Food("万能酵母１年分", "万能酵母"), Item("オーブン")},
     kProvidedLead,
     {kProvidedRules[0], kProvidedRules[1]},
     JI::kFirstThenPair,
     false},
    {5000,
     false,
     nullptr,
     {kFrancoise, kMountMail, kTasteKing},
     kAntonio,
     45,
     50000,
     {Money("50000 クル"), Item("銀のナベ"), Item("快眠ブレスレット")},
     kOwnDishLead,
     {"今回から、こちらから食材の提供はいたしません\n"
      "予め用意していただいた料理を提出していただき、その総合力を競います",
      nullptr},
     JI::kFirstThenPair,
     false},
    {10000,
     false,
     "和食",
     {kMeister, kMountMail, kTasteKing},
     kMasamune,
     58,
     100000,
     {Money("100000 クル"), Item("匠の包丁"), Item("ガッツリング")},
     "今回のテーマは『和食』です\n各自予め作った和食料理を持ち寄っていただきます\f参加費用は ",
     {"今回のテーマは『和食』です\f"
      "予め作っていただいた和食料理を提出していただき、その総合力を競います",
      nullptr},
     JI::kAllThree,
     false},
    {15000,
     false,
     "中華",
     {kMeister, kMountMail, kTasteKing},
     kFu,
     58,
     150000,
     {Money("150000 クル"), Item("看板娘だすき"), Item("翼の靴")},
     "今回のテーマは『中華』です\n各自予め作った中華料理を持ち寄っていただきます\f参加費用は ",
     {"今回のテーマは『中華』です\f"
      "予め作っていただいた中華料理を提出していただき、その総合力を競います",
      nullptr},
     JI::kAllThree,
     false},
    {30000,
     false,
     "洋食",
     {kMeister, kMountMail, kTasteKing},
     kFrancoise,
     64,
     300000,
     {Money("300000 クル"), Item("ラードポット"), Item("レンガの窯")},
     "今回のテーマは『洋食』です\n各自予め作った洋食料理を持ち寄っていただきます\f参加費用は ",
     {"今回のテーマは『洋食』です\f"
      "予め作っていただいた洋食料理を提出していただき、その総合力を競います",
      nullptr},
     JI::kAllThree,
     false},
    // Every answer brings the memory parrots, and no money.
    {60000,
     false,
     nullptr,
     {kPatty, kMountMail, kTasteKing},
     kMeister,
     110,
     0,
     {kMemoryParrots, kMemoryParrots, kMemoryParrots},
     "今回は各自予め作った料理を持ち寄っていただき、総合力を競います\n参加費用は ",
     {kOwnDishRules, nullptr},
     JI::kFirstThenPair,
     false},
    {100000,
     false,
     nullptr,
     {kLiberty, kMountMail, kTasteKing},
     kPatty,
     178,
     1000000,
     {Money("1000000 クル"), Item("聖なる包丁"), Item("超ガッツリング")},
     kOwnDishLead,
     {kOwnDishRules, nullptr},
     JI::kFirstThenPair,
     false},
    {100000,
     false,
     nullptr,
     {kMeister, kPatty, kTasteKing},
     kMountMail,
     288,
     2500000,
     {Money("2500000 クル"), Item("ドリームポット"), Item("魔女の冷蔵庫")},
     kOwnDishLead,
     {kOwnDishRules, nullptr},
     JI::kEach,
     false},
    {100000,
     false,
     nullptr,
     {kPatty, kMountMail, kTasteKing},
     kZelba,
     420,
     5000000,
     {Money("5000000 クル"), Item("伝説のナベ"), Item("赤い靴")},
     kOwnDishLead,
     {kOwnDishRules, nullptr},
     JI::kEach,
     true},
    {100000,
     false,
     nullptr,
     {kPatty, kMountMail, kZelba},
     kTasteKing,
     600,
     10000000,
     {Money("10000000 クル"), Item("エクスカリバー"), kNoPrize},
     kOwnDishLead,
     {kOwnDishRules, nullptr},
     JI::kEach,
     true},
};

}  // namespace

const char* const kContestIngredients[kContestIngredientCount] = {
    "小麦粉",   "米",       "大豆",   "ミルク",   "卵",     "砂糖",     "キャベツ",
    "ニンジン", "タマネギ", "ナス",   "ピーマン", "トマト", "もやし",   "シイタケ",
    "タケノコ", "白菜",     "りんご", "いちご",   "レモン", "鶏肉",     "豚肉",
    "牛肉",     "エビ",     "カニ",   "唐辛子",   "にがり", "万能酵母", "かんすい",
};

const ContestRow* FindContestRow(int index) {
    if (index < 0 || index >= kContestCount) return nullptr;
    return &kContests[index];
}

int PrizeCount(const ContestRow& row) { return row.prizes[2].label ? 3 : 2; }

const ContestPrize& ContestPrizeOf(const ContestRow& row, int choice) {
    return row.prizes[static_cast<std::size_t>(std::clamp(choice, 0, PrizeCount(row) - 1))];
}

void AddContestNames(RequiredNames& names) {
    names.AddFoods(kContestIngredients, FoodRole::kIngredient);
    for (const ContestRow& row : kContests)
        for (int choice = 0; choice < PrizeCount(row); ++choice) {
            const ContestPrize& prize = ContestPrizeOf(row, choice);
            if (prize.kind == PrizeKind::kFood) names.AddFood(prize.name, FoodRole::kIngredient);
            if (prize.kind == PrizeKind::kItem) names.AddItem(prize.name);
        }
    for (const ContestRow& row : kContests)
        if (row.category) names.AddCategory(row.category);
    for (const ContestRow& row : kContests)
        for (int judge : row.judges)
            if (const char* specialty = JudgeSpecialty(judge)) names.AddCategory(specialty);
}
