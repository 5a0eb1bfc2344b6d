// The whole game from a new game on, played headless through the real screens by buttons only:
// the opening, ordinary days of buying, cooking and selling, the visits that open the contest
// hall, the contests, the story chain and its cure. Each milestone is asserted on the game's
// state as it is reached and leaves a trace line: date, game day, frame and money.
#include "events/story.h"
#include "tests/playthrough/playthrough_fixture.h"

#include <limits>

namespace play_test::playthrough {
namespace {

TEST_F(Playthrough, FromTheNewGameToTheStaffRollAndTheLastContest) {
    const double started = Seconds();
    play.SetPixels(false);
    play.Seed(kSeed);

    // 1: a new game.
    ASSERT_TRUE(script.TitleNewGame());
    {
        const PlayState& state = play.state();
        EXPECT_EQ(DateOf(state.clock), "2006/1/1 7:00");
        EXPECT_EQ(state.money, 10000);
        for (const char8_t* food :
             {u8"ゼルバワラビ", u8"ゼルゼルダケ", u8"卵", u8"ミルク", u8"小麦粉"})
            EXPECT_EQ(Held(food), 5.0f) << Utf8(food);
        EXPECT_EQ(play.game().world().kitchen.player_pantry.size(), 5u);
        EXPECT_EQ(Bag(u8"包丁"), 1);
        EXPECT_EQ(Bag(u8"フライパン"), 1);
        EXPECT_EQ(state.first, 1);
        EXPECT_TRUE(play.game().story().live());
    }
    Trace(1, "new game");

    // 2: the opening asks for ゼルバ炒め, baked.
    ASSERT_TRUE(script.AwaitScreen(kScreenCooking));
    ASSERT_TRUE(
        script.CookHere({{Utf8(u8"ゼルバワラビ"), 1}, {Utf8(u8"ゼルゼルダケ"), 1}}, u8"焼く"));
    ASSERT_TRUE(script.ToCommands());
    EXPECT_EQ(play.state().first, 0);
    EXPECT_TRUE(Known(u8"ゼルバ炒め"));
    EXPECT_EQ(play.game().screens().entries().back().id, kScreenMainCommands);
    EXPECT_EQ(play.game().story().scene_music(), 1);
    Trace(2, "the opening");

    // 3: the first night and morning open the forest.
    ASSERT_TRUE(script.Sell());
    ASSERT_TRUE(script.RestToMorning());
    EXPECT_EQ(play.state().place_flags[kPlaceForest], 1);
    Trace(3, "first night and morning");

    // 4: days of buying, cooking and selling: with the shop's reputation at its start a day may
    // pass without a customer, but the first day that sells leaves money and income up.
    {
        // No day has been played before the first look.
        int money = 0, income = std::numeric_limits<int>::max();
        ASSERT_TRUE(WaitForChance(
            script,
            [&] {
                money = play.state().money;
                income = play.state().income;
                if (auto r = path.Stock(4.0f); !r) return r;
                // What the pantry paid for is spent before the selling starts.
                money = play.state().money;
                if (auto r = script.Sell(); !r) return r;
                return script.RestToMorning();
            },
            [&] { return play.state().income > income; }, kFirstSaleDays, "a day that sells"));
        EXPECT_GT(play.state().money, money);
    }
    Trace(4, "a selling day");

    // 5: the Taste King's first visit opens the contest hall.
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return play.state().place_flags[kPlaceCompetition] != 0; },
        kTasteKingDays, "the Taste King's first visit"));
    {
        EXPECT_EQ(play.state().place_flags[kPlaceCompetition], 1);
        std::vector<MenuEntry> places;
        BuildDestinationList(play.game(), places);
        EXPECT_TRUE(std::any_of(places.begin(), places.end(), [](const MenuEntry& place) {
            return place.label == Sjis(u8"料理大会");
        }));
    }
    Trace(5, "the Taste King's first visit");

    // 6: contests 1 to 3, cooked from the contest's own foods. Before contest 2 the game is
    // saved, and left by F2 from contest 2's cooking screen (a dead end proven absent); contest
    // 2 is first lost on purpose with a raw food (7).
    ASSERT_TRUE(WinContest(1));
    ASSERT_TRUE(script.Save(0));
    EXPECT_EQ(script.save_message(), Utf8(u8"記録 1 にセーブしました"));
    ASSERT_TRUE(NoContestAfterF2());
    {
        const int money = play.state().money, expenses = play.state().expenses;
        ASSERT_TRUE(script.Contest(nullptr, Utf8(u8"トマト")));
        EXPECT_EQ(play.state().contests_won, 1);
        EXPECT_EQ(play.state().money, money - 1000);
        EXPECT_EQ(play.state().expenses, expenses + 1000);
        EXPECT_EQ(play.game().world().contest.running, 0);
        // Continued, the hall offers contest 2 again at its fee.
        EXPECT_NE(offer_.find(Utf8(u8"参加費用は 1000 クル")), std::string::npos) << offer_;
    }
    offer_.clear();
    ASSERT_TRUE(WinContest(2));
    EXPECT_NE(offer_.find(Utf8(u8"参加費用は 1000 クル")), std::string::npos) << offer_;
    ASSERT_TRUE(WinContest(3));
    Trace(6, "contests 1 to 3");
    Trace(7, "contest 2 lost, then won");

    // Dead ends proven absent: a save that cannot be written leaves the slot's earlier save
    // whole and play going on; a contest of the player's own dish with an empty pantry is
    // refused before the fee, and play rejoins the path from the save made just before.
    ASSERT_TRUE(FailedSaveKeepsTheSlot(0));
    ASSERT_TRUE(script.Save(1));
    ASSERT_TRUE(EmptyPantryIsRefused());
    ASSERT_TRUE(script.ResetToTitle());
    ASSERT_TRUE(script.TitleContinue(1));
    EXPECT_FALSE(play.kitchen().player_pantry.empty());
    // The title still dated the slot of the failed save as before it.
    EXPECT_EQ(script.title_slots()[0].label, failed_slot_row_.label);
    EXPECT_EQ(script.title_slots()[0].second_text, failed_slot_row_.second_text);
    Trace(0, "dead ends: failed save, empty pantry");

    // Recipes invented on purpose, for the rewards of the first three levels (the recipe book,
    // the food book and 万能酵母, which the チーズ of contests 7 and 8 needs); the next, ミント,
    // waits until ココロの実 is found.
    ASSERT_TRUE(path.InventRecipesUntil(path.RewardThreshold(kYeastReward)));
    Trace(0, "recipes invented");

    // 11: contests 4 to 8 with the reference dishes, cooked at home from the shops' foods.
    for (int contest = 4; contest <= 8; ++contest) {
        ASSERT_TRUE(WinContest(contest));
        Trace(0, ("contest " + std::to_string(contest)).c_str());
    }
    EXPECT_EQ(play.state().contests_won, 8);
    EXPECT_EQ(Held(u8"メモリーパロット"), 365.0f);
    Trace(11, "contests 4 to 8");

    // 8: with two contests won, the chain events come by chance, one stage each, up to the
    // Taste King's counsel (stage 5); Narf's request (9) moves it to 6.
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return play.state().story_stage >= 5; }, kChainDays,
        "the chain events"));
    // Narf's request may follow on the same day.
    EXPECT_EQ(
        std::vector<int>(log.stages().begin(),
                         log.stages().begin() + std::min<std::size_t>(6, log.stages().size())),
        (std::vector<int>{0, 1, 2, 3, 4, 5}));
    Trace(8, "the chain events");
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return play.state().story_stage >= 6; }, kChainDays,
        "Narf's request"));
    EXPECT_EQ(log.stages(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    Trace(9, "Narf's request");

    // 12: at stage 6, saved, left by F2 and continued: the game is the saved one.
    ASSERT_TRUE(script.Save(2));
    const SavedGame saved = Saved();
    ASSERT_TRUE(script.ResetToTitle());
    ASSERT_TRUE(script.TitleContinue(2));
    EXPECT_EQ(Saved(), saved);
    Trace(12, "saved, F2, continued at stage 6");

    // 9: ラザニア on the menu; Narf's second visit still comes, and gives バーメメント.
    ASSERT_TRUE(path.LasagnaForNarf());
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return play.state().story_stage >= 7; }, kChainDays,
        Utf8(u8"Narf's second visit with ラザニア on the menu")));
    EXPECT_EQ(play.state().story_stage, 7);
    EXPECT_EQ(Held(u8"バーメメント"), 1.0f);
    Trace(9, "lasagna for Narf");

    // 10: チーズ known, a company is founded around it, and delivers it the next morning.
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return play.state().share_flags[kShareCheese] != 0; },
        kChainDays, "the founding"));
    {
        EXPECT_EQ(Bag(u8"牧場チーズ株"), 1);
        EXPECT_EQ(play.state().share_flags[kShareExchange], 1);
        std::vector<std::string> shops;
        ASSERT_TRUE(script.ShopRows(shops));
        EXPECT_NE(std::find(shops.begin(), shops.end(), Utf8(u8"証券取引所")), shops.end());
        const float cheese = Held(u8"チーズ");
        ASSERT_TRUE(path.OrdinaryDay());
        EXPECT_GT(Held(u8"チーズ"), cheese);
    }
    Trace(10, "the founding");

    // 13: ココロの実 from the forest and ミント, then マインドミント and メモリアル.
    ASSERT_TRUE(WaitForChance(
        script, [&] { return path.OutingDay(Utf8(u8"ココロの実")); },
        [&] { return Held(u8"ココロの実") > 0.0f; }, kFindDays, Utf8(u8"ココロの実 on an outing")));
    // ミント keeps five days: the reward that gives it is worked for only now.
    if (Held(u8"ミント") <= 0.0f && play.game().world().reward_num <= kMintReward) {
        ASSERT_TRUE(path.InventRecipesUntil(path.RewardThreshold(kMintReward)));
    }
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return Held(u8"ミント") > 0.0f; }, kFindDays, Utf8(u8"ミント")));
    ASSERT_TRUE(path.CookMemorial());
    EXPECT_TRUE(Known(u8"マインドミント"));
    EXPECT_TRUE(Known(u8"メモリアル"));
    EXPECT_GT(Held(u8"メモリアル"), 0.0f);
    Trace(13, "the memorial dish cooked");

    // 14: the ill visit finds メモリアル: the cure, the staff roll and back.
    ASSERT_TRUE(WaitForChance(
        script, path.Days(), [&] { return play.state().chain_resolved != 0; }, kChainDays,
        "the ill visit and the cure"));
    ASSERT_TRUE(script.ToCommands());
    EXPECT_TRUE(log.Saw(Utf8(u8"さあ、これからも頑張っていきましょう")));
    EXPECT_TRUE(script.saw_last_page());
    EXPECT_EQ(play.state().story_stage, 0);
    EXPECT_EQ(play.state().chain_resolved, 1);
    EXPECT_EQ(play.game().story().scene_music(), 1);
    {
        const int money = play.state().money, income = play.state().income;
        ASSERT_TRUE(path.OrdinaryDay());
        EXPECT_GT(play.state().money, money);
        EXPECT_GT(play.state().income, income);
    }
    Trace(14, "the cure and the staff roll");

    // 15: the last contests, and the hall has none left.
    for (int contest = 9; contest <= 12; ++contest) ASSERT_TRUE(WinContest(contest));
    {
        const std::size_t mark = log.Mark();
        ASSERT_TRUE(script.Command(u8"外出する"));
        ASSERT_TRUE(script.Choose(Utf8(u8"料理大会")));
        ASSERT_TRUE(script.LeaveDestinations());
        EXPECT_TRUE(log.Saw(Utf8(u8"現在参加できる大会はありません"), mark));
        EXPECT_EQ(play.state().contests_won, 12);
        Trace(15, "contests 9 to 12");
    }
    Summary(started);
}

}  // namespace
}  // namespace play_test::playthrough
