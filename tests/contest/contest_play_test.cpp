// Whole contests on the play harness: the provided contest from the hall to the prize, a themed
// contest won and lost by its rule, the last contest, and F2 in the middle of one.
#include "events/contest/contest_judges.h"
#include "events/contest/contest_vote.h"
#include "events/story.h"
#include "game/rules/pantry.h"
#include "platform/virtual_keys.h"
#include "tests/contest/contest_fixture.h"

namespace {

using namespace contest_test;
using testing_support::Utf8;

// A taste that makes the dish's score far above every rival's, and one that makes it 0.
constexpr int kMasterTaste = 5000;
constexpr int kNoTaste = 0;

TEST_F(ContestTest, TheFirstContestFromTheHallToThePrize) {
    play.SetMoney(10000);
    const PantryRows own = PantryRowsOf(game().world().kitchen.player_pantry);
    EnterHall();
    ReadOn();
    Answer(u8"はい");
    ReadOn();

    // The contest's own pantry, and a cooking screen that offers no discard.
    ASSERT_EQ(game().screens().id(), kScreenCooking) << play.Report();
    Kitchen& kitchen = game().world().kitchen;
    EXPECT_EQ(kitchen.in_use, &kitchen.contest_pantry);
    ASSERT_EQ(kitchen.contest_pantry.size(), static_cast<std::size_t>(kContestIngredientCount));
    EXPECT_EQ(kitchen.contest_pantry.front()->name, "小麦粉");
    EXPECT_EQ(kitchen.contest_pantry.back()->amount, 5.0f);
    EXPECT_EQ(play.state().menu_offer_suppressed, 1);
    play.Press(kDecide);  // one food into the pot
    play.Press(kRight);   // the methods
    for (const MenuEntry& method : game().stage().second_entries())
        EXPECT_NE(method.label, "捨てる");
    EXPECT_FALSE(game().stage().second_entries().empty());
    play.Press(kLeft);
    play.Press(kCancel);  // the food back

    // かに玉 of the contest's crab and egg, baked: the dish goes into the contest's pantry.
    PutInPot(u8"カニ");
    PutInPot(u8"卵");
    play.Press(kRight);
    ASSERT_TRUE(play.Choose(u8"焼く")) << play.Report();
    ASSERT_TRUE(play.RunUntilScreen(kScreenDishMade)) << play.Report();
    EXPECT_EQ(play.Message(), Utf8(u8"『かに玉』が1ヶできました"));
    // Read, the dish is stored and no menu is offered: the cooking screen again.
    for (int press = 0; press < 50 && game().screens().id() == kScreenDishMade; ++press)
        play.Press(kDecide);
    ASSERT_TRUE(play.RunUntilScreen(kScreenCooking)) << play.Report();
    EXPECT_EQ(FindPantryFood(game().world().kitchen, "カニ")->amount, 4.0f);
    EXPECT_EQ(FindPantryFood(game().world().kitchen, "卵")->amount, 4.0f);
    ASSERT_NE(FindPantryFood(game().world().kitchen, "かに玉"), nullptr);
    play.Press(kCancel);  // off the cooking screen

    // No: the cooking screen again. Yes: the dish screen.
    ReadOn();
    EXPECT_EQ(lines.back(), "料理を提出しますか？");
    Answer(u8"いいえ");
    ASSERT_TRUE(play.RunUntilScreen(kScreenCooking)) << play.Report();
    play.Press(kCancel);
    ReadOn();
    Answer(u8"はい");
    ASSERT_TRUE(play.RunUntilScreen(kScreenContestDish)) << play.Report();
    HandIn(PantryIndex(u8"かに玉"));
    ReadOn();

    ASSERT_TRUE(game().world().contest_dish);
    EXPECT_EQ(game().world().contest_dish->name, "かに玉");
    // Every judge's bar is met by the dish itself, the outsider's raised one too.
    const int score = game().story().ContestDishScore();
    EXPECT_GE(score, JudgeThreshold(kAntonio, game().world().contest.rival_score, nullptr));
    EXPECT_TRUE(SaidInOrder({
        "それでは審査を開始します\fミセス・クレアの料理は……",
        "ナポリ風オムレツです",
        "さて、対するぜるば堂の料理は……",
        "かに玉です",
        MountMailComment(score).text,
        "いただきます",
        "こっ、これは！？",
        TasteKingComment(score).text,
        "ごちそうさま",
        "さあそれでは、審査を開始します\n審査員の皆様、勝者はどちらでしょう！",
        "ぜるば堂かな",
        "ぜるば堂に一票を投じよう",
        "ぜるば堂じゃ",
        "従って勝者は……",
        "ぜるば堂です！\nおめでとうございます",
        "勝者には賞品が送られます\n次の中からひとつ選んでください",
    }));
    EXPECT_EQ(game().world().contest.votes, 3);
    EXPECT_EQ(play.ChoiceRows(), (std::vector<std::string>{Utf8(u8"5000 クル"), Utf8(u8"鉄のナベ"),
                                                           Utf8(u8"甘粉商事株")}));
    const int money = play.state().money;
    Answer(u8"5000 クル");
    ReadOn();
    EXPECT_TRUE(
        SaidInOrder({"5000 クルを手に入れました", "また次回お会いしましょう", "精進せいよ"}));
    EXPECT_EQ(play.state().money, money + 5000);
    EXPECT_EQ(play.state().contests_won, 1);

    // Back on the destinations with the player's own pantry as it was, and the story free.
    EXPECT_EQ(game().screens().id(), kScreenDestinations);
    EXPECT_EQ(kitchen.in_use, &kitchen.player_pantry);
    EXPECT_EQ(PantryRowsOf(kitchen.player_pantry), own);
    EXPECT_EQ(game().world().contest.running, 0);
    EXPECT_EQ(play.state().menu_offer_suppressed, 0);
    EXPECT_FALSE(game().story().live());
    EXPECT_TRUE(game().StartStoryEvent(StoryEvent::kContestHall));
}

TEST_F(ContestTest, TheThemedContestVotesOnlyOnADishOfItsTheme) {
    play.SetContestsWon(4);
    play.SetMoney(100000);
    ClearPlayerPantry();
    Dish(u8"パン", kMasterTaste);  // 洋食

    EnterHall();
    ReadOn();
    EXPECT_EQ(lines.back(),
              "今回のテーマは『和食』です\n各自予め作った和食料理を持ち寄っていただきます\f"
              "参加費用は 10000 クルになりますが、\n参加しますか？");
    Answer(u8"はい");
    ReadOn();
    HandIn(0);
    ReadOn();
    EXPECT_TRUE(SaidInOrder({
        "おーっと、しかし残念ながら\nぜるば堂の料理は『和食』ではありません\nこれはルール違反です",
        "従って勝者は……",
        "一ノ瀬マサムネです！\nぜるば堂さん残念でした",
        "また次回お会いしましょう",
    }));
    EXPECT_FALSE(Said("さあそれでは、審査を開始します\n審査員の皆様、勝者はどちらでしょう！"));
    EXPECT_EQ(game().world().contest.votes, 0);
    EXPECT_EQ(play.state().contests_won, 4);
    ASSERT_EQ(game().screens().id(), kScreenDestinations);
    play.Press(kCancel);

    // The same contest with a 和食 dish: the vote is held, and the dish takes it.
    Dish(u8"ゼルバ炒め", kMasterTaste);
    EnterAndHandIn(0);
    EXPECT_TRUE(SaidInOrder({"ぜるば堂です", "ぜるば堂に一票を投じよう", "ぜるば堂じゃ",
                             "ぜるば堂です！\nおめでとうございます"}));
    EXPECT_EQ(game().world().contest.votes, 3);
}

TEST_F(ContestTest, TheLastContestWonAndLost) {
    play.SetContestsWon(11);
    play.SetMoney(1000000);
    ClearPlayerPantry();
    Dish(u8"ゼルバ炒め", kMasterTaste);
    EnterAndHandIn(0);
    // テイストキング cooks: he does not taste, and no judge speaks before マウントメイル.
    EXPECT_FALSE(Said("いただきます"));
    EXPECT_TRUE(SaidInOrder({"さて、対するヴェムの料理は……", "ゼルバ炒めです",
                             MountMailComment(game().story().ContestDishScore()).text,
                             "ぜるば堂だな", "ヴェムです！\nおめでとうございます"}));
    EXPECT_EQ(play.ChoiceRows(),
              (std::vector<std::string>{Utf8(u8"10000000 クル"), Utf8(u8"エクスカリバー")}));
    const int money = play.state().money;
    Answer(u8"10000000 クル");
    ReadOn();
    EXPECT_EQ(play.state().money, money + 10000000);
    EXPECT_TRUE(SaidInOrder({"10000000 クルを手に入れました",
                             "よくやった\nお前さん以上の料理人はもうおらんだろう\n"
                             "これからの時代は、お前さんが創っていくのだ"}));
    EXPECT_FALSE(Said("精進せいよ"));
    EXPECT_FALSE(Said("また次回お会いしましょう"));
    ASSERT_EQ(game().screens().id(), kScreenDestinations);
    play.Press(kCancel);

    // Lost: the rival is named and the Taste King has the last word.
    play.SetContestsWon(11);
    Dish(u8"ゼルバ炒め", kNoTaste);
    EnterAndHandIn(0);
    EXPECT_TRUE(SaidInOrder({"テイストキングだな", "従って勝者は……",
                             "テイストキングです！\nヴェムさん残念でした", "精進せいよ"}));
    EXPECT_EQ(play.state().contests_won, 11);
}

TEST_F(ContestTest, APrizeOfEveryAnswerGoesWhereItBelongs) {
    for (int contest = 0; contest < kContestCount; ++contest) {
        const ContestRow& row = *FindContestRow(contest);
        for (int choice = 0; choice < PrizeCount(row); ++choice) {
            SCOPED_TRACE(testing::Message() << "contest " << contest + 1 << " choice " << choice);
            const ContestPrize& prize = ContestPrizeOf(row, choice);
            play.SetContestsWon(contest);
            const int money = play.state().money;
            const Food* food = prize.kind == PrizeKind::kFood
                                   ? FindPantryFood(game().world().kitchen, prize.name)
                                   : nullptr;
            const float stored = food ? food->amount : 0.0f;
            const std::size_t bag = play.mediator().items().GetSize();

            EXPECT_EQ(game().story().AwardContestPrize(contest, choice), prize.label);
            EXPECT_EQ(play.state().contests_won, contest + 1);
            EXPECT_EQ(play.state().money - money,
                      prize.kind == PrizeKind::kMoney ? row.money_prize : 0);
            if (prize.kind == PrizeKind::kFood) {
                const Food* after = FindPantryFood(game().world().kitchen, prize.name);
                ASSERT_NE(after, nullptr);
                EXPECT_EQ(after->amount, stored + kYearOfFood);
            }
            EXPECT_EQ(play.mediator().items().GetSize() - bag,
                      prize.kind == PrizeKind::kItem ? 1u : 0u);
        }
    }
    EXPECT_EQ(game().world().kitchen.in_use, &game().world().kitchen.player_pantry);
}

TEST_F(ContestTest, F2InTheMiddleOfAContestLeavesNothingOfItInTheNextGame) {
    play.SetContestsWon(1);
    play.SetMoney(10000);
    EnterHall();
    ReadOn();
    Answer(u8"はい");
    ReadOn();
    ASSERT_EQ(game().screens().id(), kScreenCooking);
    ASSERT_EQ(game().world().contest.running, 1);
    // While the contest waits on the cooking screen no other scene may start.
    EXPECT_FALSE(game().StartStoryEvent(StoryEvent::kContestHall));

    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    ASSERT_TRUE(play.NewGame());
    const ContestState& contest = game().world().contest;
    EXPECT_EQ(contest.running, 0);
    EXPECT_EQ(contest.votes, 0);
    EXPECT_EQ(contest.rival, 0);
    EXPECT_EQ(contest.rival_score, 0);
    EXPECT_EQ(contest.judges, (std::array<int, 3>{}));
    EXPECT_FALSE(game().world().contest_dish);
    Kitchen& kitchen = game().world().kitchen;
    EXPECT_EQ(kitchen.in_use, &kitchen.player_pantry);
    EXPECT_TRUE(kitchen.contest_pantry.empty());
    EXPECT_EQ(play.state().menu_offer_suppressed, 0);
    EXPECT_EQ(play.state().contests_won, 0);
    // The story that runs is the new game's own opening, not the contest.
    EXPECT_EQ(game().story().last_row(), StoryEvent::kMorning);
}

TEST_F(ContestTest, AContestWithNothingToHandInIsLostWithoutTheDishScreen) {
    // Reached only past the hall's own check: the contest started straight on an empty pantry.
    play.SetContestsWon(3);
    ClearPlayerPantry();
    play.ShowScreen(kScreenDestinations);
    ASSERT_TRUE(game().StartStoryEvent(StoryEvent::kContest));
    ReadOn();
    EXPECT_TRUE(SaidInOrder({"さて、対するぜるば堂の料理は……",
                             "おーっと、提出できる料理がないようです", "従って勝者は……",
                             "アントニオ・モンテベルディです！\nぜるば堂さん残念でした"}));
    EXPECT_FALSE(game().world().contest_dish);
    EXPECT_EQ(game().world().contest.votes, 0);
    EXPECT_EQ(game().screens().id(), kScreenDestinations);
    EXPECT_EQ(game().world().contest.running, 0);
}

}  // namespace
