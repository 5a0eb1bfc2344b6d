#include "events/contest/contest_vote.h"

#include "events/contest/contest_table.h"
#include "events/story.h"
#include "game/food/food_category.h"

namespace {

// How each judge ends the name he votes for, and the kind of dish he knows best.
struct JudgeManner {
    int judge;
    const char* ending;
    const char* specialty;  // null for none
};

constexpr JudgeManner kManners[] = {
    {kZelba, "だな", nullptr},     {kAntonio, "かな", "洋食"},
    {kMasamune, "だ", "和食"},     {kFu, "ネ", "中華"},
    {kFrancoise, "", "洋食"},      {kMeister, "です", nullptr},
    {kPatty, "だよ", "デザート"},  {kMountMail, "に一票を投じよう", nullptr},
    {kTasteKing, "じゃ", nullptr},
};
constexpr JudgeManner kPlainManner = {0, "", nullptr};

const JudgeManner& MannerOf(int judge) {
    for (const JudgeManner& manner : kManners)
        if (manner.judge == judge) return manner;
    return kPlainManner;
}

constexpr double kSpecialtyFactor = 0.66;
constexpr double kOutsiderFactor = 1.5;

}  // namespace

const char* JudgeSpecialty(int judge) { return MannerOf(judge).specialty; }

int JudgeThreshold(int judge, int rival_score, const FoodCategory* dish) {
    const char* specialty = JudgeSpecialty(judge);
    if (!specialty) return rival_score;
    const double factor = IsInCategory(dish, specialty) ? kSpecialtyFactor : kOutsiderFactor;
    return static_cast<int>(static_cast<double>(rival_score) * factor);
}

JudgeVote CastJudgeVote(int judge, int score, int rival_score, int rival,
                        const FoodCategory* dish) {
    const bool for_player = score >= JudgeThreshold(judge, rival_score, dish);
    const std::string named = for_player ? "ぜるば堂" : CharacterName(rival);
    return {named + MannerOf(judge).ending, for_player};
}

StoryTask Story::ContestVote() {
    contest_.votes = 0;
    co_await Say("さあそれでは、審査を開始します\n審査員の皆様、勝者はどちらでしょう！", kAnnouncer,
                 kNormal);
    const int score = ContestDishScore();
    const FoodCategory* dish = contest_dish_ ? contest_dish_->def : nullptr;
    for (int index = 0; index < kJudgeCount; ++index) {
        const int judge = contest_.judges[static_cast<std::size_t>(index)];
        stage_.ChangePortrait(&handles_.portrait, judge, kNormal);
        co_await Until(handles_.portrait);
        const JudgeVote vote =
            CastJudgeVote(judge, score, contest_.rival_score, contest_.rival, dish);
        if (vote.for_player) ++contest_.votes;
        co_await Tell(vote.text);
        // The next judge speaks from the next frame on.
        co_await NextFrame();
    }
}
