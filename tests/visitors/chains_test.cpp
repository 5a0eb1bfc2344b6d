// The story of Cherry's illness step by step, Narf's visits, and the couple's orders.
#include <gtest/gtest.h>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "game/cooking/dish_value.h"
#include "game/main/vemu_comp.h"
#include "game/rules/pantry.h"
#include "tests/visitors/visit_play.h"

namespace {

using play_test::Sjis;
using visit_test::Line;
using visit_test::VisitTest;

TEST_F(VisitTest, EachChainEventMovesTheStoryOneStageOn) {
    struct Case {
        StoryEvent row;
        int from;
        int to;
        std::vector<const char8_t*> lines;  // quoted lines, in order
    };
    const Case cases[] = {
        {StoryEvent::kCherryLost,
         1,
         2,
         {u8"……", u8"？", u8"……",
          u8"どうしたんですか？\fあっ、行っちゃった\n様子が変だったけど、何かあったのかな？"}},
        {StoryEvent::kBromusSearch,
         2,
         3,
         {u8"すまん、ここに、チェリーは来なかったか？", u8"とりあえず俺はチェリーを探しに行くから",
          u8"……チェリーさんに、一体何があったのかな\n心配です……"}},
        {StoryEvent::kCherryFound,
         3,
         4,
         {u8"チェリーさんはもう大丈夫なんですか？",
          u8"見付かったのは良かったんだけど、この調子なんだ",
          u8"……チェリーさん、早く良くなるといいな"}},
        {StoryEvent::kTasteKingCounsel,
         4,
         5,
         {u8"これら３つの材料を集め、料理を作るのだ\nよいか、メモリーパロット、マインドミント、バー"
          u8"メメント、だよ",
          u8"残念ながら、材料の全てに関しては、わしにも分からんのだよ\fただし、唯一、メモリーパロッ"
          u8"トは、料理大会の賞品としてもらえるぞ",
          u8"精進せいよ"}},
        {StoryEvent::kNarfRequest,
         5,
         6,
         {u8"こんにちは", u8"いらっしゃいませ\fはぁー……",
          u8"ええと、バーメメントっていう食材を探さないといけないんですが手掛かりがなくて……",
          u8"……ええと\fそれなら私、持ってますよ",
          u8"そうですね、噂で聞いたんですが、どこかの国には『ラザニア』っていう料理があるらしいんで"
          u8"す\nそれを食べさせてくれたら、バーメメントを差し上げますよ",
          u8"ラザニア……", u8"お店のメニューに『ラザニア』が加わるのを楽しみにしていますね"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(StoryEventName(c.row));
        play.SetStoryStage(c.from);
        ASSERT_TRUE(Play(c.row));
        EXPECT_EQ(state().story_stage, c.to);
        EXPECT_TRUE(SaidInOrderOf(c.lines));
        EXPECT_EQ(game().screens().id(), kScreenMainCommands);
    }
}

TEST_F(VisitTest, NarfGivesBarmementOnlyForLasagnaOnTheMenu) {
    play.SetStoryStage(6);
    ASSERT_TRUE(Play(StoryEvent::kNarfLasagna));
    EXPECT_EQ(state().story_stage, 6);
    EXPECT_EQ(Texts().back(), testing_support::Utf8(u8"ラザニアはまだないみたいですね\fラザニアがメ"
                                                    u8"ニューに加わるのを楽しみにしていますね"));
    EXPECT_EQ(InPantry(u8"バーメメント"), nullptr);

    play.AddToMenu(u8"ラザニア", 1.0f);
    ASSERT_TRUE(Play(StoryEvent::kNarfLasagna));
    EXPECT_EQ(state().story_stage, 7);
    EXPECT_TRUE(SaidInOrder(
        u8"では、約束どおり、バーメメントを差し上げますよ", u8"バーメメントを手に入れました",
        u8"ありがとう……\nでも、ラザニアっていう料理がどんなものか見られただけで十分です",
        u8"そういえばナルフさんって、ここで料理を食べて行ったこと一度もないのよね"));
    ASSERT_NE(InPantry(u8"バーメメント"), nullptr);
    EXPECT_FLOAT_EQ(InPantry(u8"バーメメント")->amount, 1.0f);
}

TEST_F(VisitTest, NarfsRumourMarksADishInHerWords) {
    ASSERT_TRUE(Play(StoryEvent::kNarfRumour));
    ASSERT_EQ(lines.size(), 5u);
    const std::string told = lines[2].text;
    EXPECT_EQ(told.rfind(testing_support::Utf8(u8"噂で聞いたんですけど、\n『"), 0), 0u) << told;
    int rumoured = 0;
    for (const auto& def : GlobalFoodCatalogue()) rumoured += def->rumoured;
    EXPECT_EQ(rumoured, 1);
}

TEST_F(VisitTest, TheIllVisitWithoutTheCureTakesTheOrdersAndAnEmptyMenuSellsNothing) {
    play.SetStoryStage(4);
    play.AddToMenu(u8"トマト", 1.0f);
    play.AddToPantry(u8"トマト", 2.0f);
    const int money = state().money;
    ASSERT_TRUE(Play(StoryEvent::kCherryIllVisit));
    EXPECT_TRUE(SaidInOrder(u8"チェリーさん、調子はどうですか？",
                            u8"とりあえずおれ、トマトをもらおうかな", u8"『トマト』が売れました\n",
                            u8"じゃあこいつにはトマトをもらえないかな", u8"また来るよ",
                            u8"チェリーさん、早く良くなるといいな"));
    EXPECT_GT(state().money, money);
    EXPECT_EQ(state().story_stage, 4);

    play.kitchen().menu.clear();
    const int after = state().money;
    ASSERT_TRUE(Play(StoryEvent::kCherryIllVisit));
    EXPECT_TRUE(SaidInOrder(u8"すみません～\nちょうど今品切れで、お出しできるものがないんです",
                            u8"じゃあまた来るよ"));
    EXPECT_EQ(state().money, after);

    ASSERT_TRUE(Play(StoryEvent::kBromusCherryVisit));
    EXPECT_TRUE(SaidInOrder(u8"すみません～\nちょうど今品切れで、お出しできるものがないんです",
                            u8"あ、そうなんですか\n仕方ないですね、また来ます",
                            u8"また来てくださいね"));
    EXPECT_EQ(state().money, after);
}

// A dish worth nothing for its price sells, and the sale lowers the reputation.
TEST_F(VisitTest, TheCouplesSaleOfADishOfNoValueLowersTheReputation) {
    MenuDish* dish = play.AddToMenu(u8"トマト", 1.0f);
    dish->taste = 0;
    play.AddToPantry(u8"トマト", 1.0f);
    ASSERT_EQ(DishValuePercent(game().state(), *dish), 0);
    state().reputation = 50.0f;
    const int money = state().money;
    ASSERT_TRUE(Play(StoryEvent::kBromusCherryVisit));
    EXPECT_TRUE(SaidInOrder(u8"じゃあおれ、トマトをもらおうかな", u8"『トマト』が売れました\n",
                            u8"ごちそうさまでした", u8"じゃあね", u8"また来てくださいね"));
    EXPECT_FALSE(Said(u8"わたしはトマトにします")) << "one portion only";
    EXPECT_FLOAT_EQ(state().reputation, 49.9f);
    EXPECT_EQ(state().money, money + dish->Price());
    EXPECT_EQ(dish->sale_highlight, 1);
    EXPECT_GT(FindFoodDef(Sjis(u8"トマト"))->familiarity, 0.0f);
}

// A visitor's order that cannot be served after all (its portion gone while the order was read)
// is neither paid, nor told as sold, nor counted toward the dish's fame or the shop's name.
TEST_F(VisitTest, AVisitorsOrderThatCannotBeServedIsNeitherPaidNorCounted) {
    struct Case {
        StoryEvent visit;
        int stage;
        const char8_t* order;
    };
    const Case cases[] = {
        {StoryEvent::kMountMailVisit, 0, u8"店主、『トマト』をいただこうか"},
        {StoryEvent::kBromusCherryVisit, 0, u8"じゃあおれ、トマトをもらおうかな"},
        {StoryEvent::kCherryIllVisit, 4, u8"とりあえずおれ、トマトをもらおうかな"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(StoryEventName(c.visit));
        play.SetStoryStage(c.stage);
        play.kitchen().menu.clear();
        ClearPantry(game().world().kitchen);
        MenuDish* dish = play.AddToMenu(u8"トマト", 1.0f);
        play.AddToPantry(u8"トマト", 1.0f);
        FoodDef* tomato = FindFoodDef(Sjis(u8"トマト"));
        const float familiarity = tomato->familiarity;
        state().reputation = 50.0f;
        const int money = state().money;
        const int income = state().income;

        ASSERT_TRUE(Start(c.visit));
        const std::string order = testing_support::Utf8(c.order);
        for (int i = 0; i < 4000 && play.Message() != order; ++i) {
            if (play.MessageWaiting() &&
                game().message_output().GetPosition() >= game().message_output().GetLength())
                play.Press(play_test::kDecide);
            else
                play.Frame();
        }
        ASSERT_EQ(play.Message(), order) << play.Report();
        ClearPantry(game().world().kitchen);
        ASSERT_TRUE(Finish());
        EXPECT_FALSE(Said(u8"『トマト』が売れました\n"));
        EXPECT_EQ(state().money, money);
        EXPECT_EQ(play.mediator().GetValue("money", 0), money);
        EXPECT_EQ(state().income, income);
        EXPECT_FLOAT_EQ(state().reputation, 50.0f);
        EXPECT_FLOAT_EQ(tomato->familiarity, familiarity);
        EXPECT_EQ(dish->sale_highlight, 0);
    }
}

}  // namespace
