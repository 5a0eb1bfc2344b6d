// The contests' tables on their own: the score bands of both commenting judges, each judge's
// vote against the rival's score, the prizes of every answer, and the lines every contest needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/common/sjis.h"
#include "events/contest/contest_judges.h"
#include "events/contest/contest_lines.h"
#include "events/contest/contest_table.h"
#include "events/contest/contest_vote.h"
#include "game/food/food_def.h"

namespace {

struct BandCase {
    int score;
    int band;
    int mount_mail_expression;
    int taste_king_expression;
};

TEST(ContestJudges, ScoresFallInTheirBandsWithBothJudgesWordsAndFaces) {
    const BandCase cases[] = {
        {-5, 0, 4, 0},   {0, 0, 4, 0},    {1, 1, 4, 0},    {2, 1, 4, 0},       {3, 2, 4, 0},
        {5, 2, 4, 0},    {6, 3, 4, 6},    {9, 3, 4, 6},    {10, 4, 0, 6},      {15, 4, 0, 6},
        {16, 5, 0, 6},   {25, 5, 0, 6},   {26, 6, 0, 6},   {41, 6, 0, 6},      {42, 7, 0, 2},
        {67, 7, 0, 2},   {68, 8, 1, 2},   {109, 8, 1, 2},  {110, 9, 1, 2},     {177, 9, 1, 2},
        {178, 10, 1, 2}, {287, 10, 1, 2}, {288, 11, 1, 2}, {100000, 11, 1, 2},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(ScoreBand(c.score), c.band);
        EXPECT_EQ(MountMailComment(c.score).expression, c.mount_mail_expression);
        EXPECT_EQ(TasteKingComment(c.score).expression, c.taste_king_expression);
    }
    EXPECT_STREQ(MountMailComment(0).text,
                 "話にならんッ！\n（マウントメイルは豪快にちゃぶ台をひっくり返した）\f"
                 "二度と私の前に顔を出すな\nと言いたいところだが、今回だけは参加費に免じて許して"
                 "やろう");
    // No leftover of another name: band 1 is all Japanese.
    const std::string worst = sjis::ToUtf8(MountMailComment(-5).text);
    for (char c : worst) EXPECT_FALSE((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
    EXPECT_STREQ(TasteKingComment(0).text, "……精進はこれからじゃのう");
    EXPECT_STREQ(MountMailComment(288).text,
                 "……認めざるを得ないようだな\nあなたは最高の料理人のようだ");
    EXPECT_STREQ(TasteKingComment(110).text,
                 "うっ、うますぎるぞぉー！\nわしも、長生きしたのう\fよくぞここまで精進した");
}

class ContestVoteTest : public ::testing::Test {
protected:
    // A dish hanging below one of the fixed categories.
    FoodDef* DishOf(const char* category) {
        auto def = std::make_unique<FoodDef>();
        def->name = std::string("試作") + category;
        def->parent = FindFoodCategory(category);
        dishes_.push_back(std::move(def));
        return dishes_.back().get();
    }
    std::vector<std::unique_ptr<FoodDef>> dishes_;
};

TEST_F(ContestVoteTest, EachJudgeAsksHisOwnScoreOfTheDish) {
    const FoodDef* japanese = DishOf("和食");
    const FoodDef* western = DishOf("洋食");
    const FoodDef* dessert = DishOf("デザート");
    struct Case {
        int judge;
        int rival_score;
        const FoodCategory* dish;
        int threshold;
    };
    const Case cases[] = {
        {kMasamune, 58, japanese, 38},  // 38.28 truncated
        {kMasamune, 58, western, 87},
        {kMasamune, 58, nullptr, 87},  // no dish is outside every
                                       // specialty
        {kAntonio, 24, western, 15},
        {kFu, 16, japanese, 24},
        {kFrancoise, 16, western, 10},
        {kPatty, 45, japanese, 67},
        {kPatty, 45, dessert, 29},
        {kMeister, 58, japanese, 58},
        {kMountMail, 58, western, 58},
        {kTasteKing, 58, dessert, 58},
        {kZelba, 600, japanese, 600},
        {kLiberty, 178, dessert, 178},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "judge " << c.judge << " rival " << c.rival_score);
        EXPECT_EQ(JudgeThreshold(c.judge, c.rival_score, c.dish), c.threshold);
        // The threshold itself earns the vote, one below it does not.
        EXPECT_TRUE(CastJudgeVote(c.judge, c.threshold, c.rival_score, kClaire, c.dish).for_player);
        EXPECT_FALSE(
            CastJudgeVote(c.judge, c.threshold - 1, c.rival_score, kClaire, c.dish).for_player);
    }
}

TEST_F(ContestVoteTest, JudgesNameTheWinnerInTheirOwnWay) {
    const FoodDef* dessert = DishOf("デザート");
    struct Case {
        int judge;
        int score;
        int rival_score;
        int rival;
        const char* text;
    };
    // With the rival scores of the contests they sit in.
    const Case cases[] = {
        {kZelba, 600, 600, kTasteKing, "ぜるば堂だな"},
        {kZelba, 599, 600, kTasteKing, "テイストキングだな"},
        {kFrancoise, 67, 45, kAntonio, "ぜるば堂"},  // 洋食 only: 45 × 1.5
        {kFrancoise, 0, 45, kAntonio, "アントニオ"},
        {kLiberty, 0, 178, kPatty, "パティー"},
        {kPatty, 72, 110, kMeister, "ぜるば堂だよ"},  // デザート: 110 × 0.66 = 72.6
        {kPatty, 71, 110, kMeister, "マイスターだよ"},
        {kMountMail, 0, 16, kClaire, "クレアに一票を投じよう"},
        {kTasteKing, 16, 16, kClaire, "ぜるば堂じゃ"},
        {kMeister, 57, 58, kMasamune, "マサムネです"},
        {kFu, 0, 34, kLiberty, "リバティーネ"},
        {kMasamune, 0, 24, kMonga, "モンガだ"},
        {kAntonio, 0, 16, kClaire, "クレアかな"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "judge " << c.judge << " score " << c.score);
        EXPECT_EQ(CastJudgeVote(c.judge, c.score, c.rival_score, c.rival, dessert).text, c.text);
    }
}

TEST(ContestTable, EveryAnswerOfEveryContestHasItsPrize) {
    struct Case {
        int contest;
        int choice;
        PrizeKind kind;
        const char* label;
        const char* name;
    };
    const Case cases[] = {
        {0, 0, PrizeKind::kMoney, "5000 クル", nullptr},
        {0, 1, PrizeKind::kItem, "鉄のナベ", "鉄のナベ"},
        {0, 2, PrizeKind::kItem, "甘粉商事株", "甘粉商事株"},
        {1, 1, PrizeKind::kFood, "小麦粉１年分", "小麦粉"},
        {2, 1, PrizeKind::kFood, "万能酵母１年分", "万能酵母"},
        {2, 2, PrizeKind::kItem, "オーブン", "オーブン"},
        {6, 2, PrizeKind::kItem, "レンガの窯", "レンガの窯"},
        {7, 0, PrizeKind::kFood, "メモリーパロット１年分", "メモリーパロット"},
        {7, 1, PrizeKind::kFood, "メモリーパロット１年分", "メモリーパロット"},
        {7, 2, PrizeKind::kFood, "メモリーパロット１年分", "メモリーパロット"},
        {11, 0, PrizeKind::kMoney, "10000000 クル", nullptr},
        {11, 1, PrizeKind::kItem, "エクスカリバー", "エクスカリバー"},
        // Out of the choice: the nearest answer.
        {11, 2, PrizeKind::kItem, "エクスカリバー", "エクスカリバー"},
        {3, -1, PrizeKind::kMoney, "50000 クル", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "contest " << c.contest + 1 << " choice " << c.choice);
        const ContestPrize& prize = ContestPrizeOf(*FindContestRow(c.contest), c.choice);
        EXPECT_EQ(prize.kind, c.kind);
        EXPECT_STREQ(prize.label, c.label);
        if (c.name) {
            EXPECT_STREQ(prize.name, c.name);
        }
    }
    const int money[kContestCount] = {5000,   10000, 20000,   50000,   100000,  150000,
                                      300000, 0,     1000000, 2500000, 5000000, 10000000};
    for (int contest = 0; contest < kContestCount; ++contest) {
        const ContestRow& row = *FindContestRow(contest);
        EXPECT_EQ(row.money_prize, money[contest]);
        EXPECT_EQ(PrizeCount(row), contest == 11 ? 2 : 3);
        if (row.money_prize > 0) {
            EXPECT_EQ(std::string(row.prizes[0].label), std::to_string(row.money_prize) + " クル");
        }
    }
    EXPECT_EQ(FindContestRow(-1), nullptr);
    EXPECT_EQ(FindContestRow(kContestCount), nullptr);
}

TEST(ContestTable, EveryContestHasTheLinesItsScriptSpeaks) {
    for (int contest = 0; contest < kContestCount; ++contest) {
        SCOPED_TRACE(contest + 1);
        const ContestRow& row = *FindContestRow(contest);
        const ContestLines& lines = ContestLinesOf(contest);
        const int alone = row.introduction == JudgeIntroduction::kEach            ? kJudgeCount
                          : row.introduction == JudgeIntroduction::kFirstThenPair ? 1
                                                                                  : 0;
        for (int judge = 0; judge < alone; ++judge)
            EXPECT_NE(lines.judge_introductions[static_cast<std::size_t>(judge)], nullptr);
        EXPECT_EQ(lines.joint_introduction != nullptr, alone < kJudgeCount);
        for (const char* greeting : lines.judge_greetings) EXPECT_NE(greeting, nullptr);
        for (const char* text : {lines.cooks, lines.rival_introduction, lines.rival_greeting,
                                 lines.rival_short_name, lines.rival_full_name, lines.rival_dish})
            EXPECT_NE(text, nullptr);
        EXPECT_GE(lines.rival_reactions.size(), 3u);
        // Every reaction comes from one of the contest's judges.
        for (const SceneLine& line : lines.rival_reactions)
            EXPECT_NE(std::find(row.judges.begin(), row.judges.end(), line.speaker),
                      row.judges.end());
        EXPECT_EQ(lines.player_reactions.size(), contest == 11 ? 0u : contest == 9 ? 2u : 1u);
        EXPECT_NE(row.rules[0], nullptr);
    }
    EXPECT_STREQ(ContestLinesOf(0).rival_short_name, "ミセス・クレア");
    EXPECT_STREQ(ContestLinesOf(3).rival_full_name, "アントニオ・モンテベルディ");
}

}  // namespace
