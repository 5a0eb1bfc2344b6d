// The pantry's [M] marks a ready portion of a dish on the menu. Whatever changes the menu or
// moves a portion (adding, the pot, cooking ahead, an exchange, a deletion, a load) leaves every
// mark where the menu says it belongs, played in the order a player meets them.
#include <gtest/gtest.h>

#include <string>

#include "game/rules/menu_queries.h"
#include "game/rules/pantry.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;
using testing_support::Utf8;

class MenuMarks : public ::testing::Test {
protected:
    void SetUp() override {
        play.Seed(1);
        ASSERT_TRUE(play.StartOnMainCommands()) << play.Report();
        play.SetDate(2006, 1, 5, 10, 0);
    }

    // -1 when the pantry holds no food of that name.
    int Mark(const char8_t* name) const {
        const Food* food = FindPantryFood(play.game().world().kitchen, Sjis(name));
        return food ? food->on_menu : -1;
    }
    // Every food of the pantry marked exactly when it is a portion of a menu dish.
    testing::AssertionResult MarksFollowTheMenu() const {
        for (const auto& food : play.kitchen().pantry()) {
            bool on_menu = false;
            for (const auto& dish : play.kitchen().menu)
                on_menu = on_menu || SameDish(*food, *dish);
            if ((food->on_menu != 0) != on_menu)
                return testing::AssertionFailure()
                       << food->name.size() << "-byte food marked " << int{food->on_menu}
                       << ", on the menu " << on_menu << "; " << play.Report();
        }
        return testing::AssertionSuccess();
    }
    testing::AssertionResult BackToMainCommands() {
        for (int i = 0; i < 40 && play.game().screens().id() != kScreenMainCommands; ++i) {
            if (play.game().screens().id() == kScreenWaitForMessage)
                play.Press(kDecide);
            else
                play.Press(kCancel);
        }
        return play.RunUntilScreen(kScreenMainCommands);
    }

    PlayHarness play;
};

TEST_F(MenuMarks, FollowTheMenuThroughEveryChange) {
    play.AddToPantry(u8"ゼルバワラビ", 4);
    play.AddToPantry(u8"ゼルゼルダケ", 4);
    play.AddToPantry(u8"キャベツ", 2);

    // Cooked and added through the offer.
    ASSERT_TRUE(play.Choose(u8"料理を作る"));
    ASSERT_TRUE(play.Choose(u8"ゼルバワラビ"));
    ASSERT_TRUE(play.Choose(u8"ゼルゼルダケ"));
    play.Press(kRight);
    ASSERT_TRUE(play.Choose(u8"焼く"));
    ASSERT_TRUE(play.ReadUntilRow(u8"はい"));
    ASSERT_TRUE(play.Choose(u8"はい"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenCooking));
    EXPECT_EQ(Mark(u8"ゼルバ炒め"), 1) << "added";
    EXPECT_TRUE(MarksFollowTheMenu());

    // The portion into the pot and back out of it.
    int into_pot = 0;
    for (; into_pot < 10 && Mark(u8"ゼルバ炒め") != -1; ++into_pot)
        ASSERT_TRUE(play.Choose(u8"ゼルバ炒め"));
    ASSERT_EQ(Mark(u8"ゼルバ炒め"), -1) << "every portion went into the pot";
    for (int i = 0; i < into_pot; ++i) {
        play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenCooking));
    }
    EXPECT_EQ(Mark(u8"ゼルバ炒め"), 1) << "back from the pot";
    EXPECT_TRUE(MarksFollowTheMenu());
    ASSERT_TRUE(BackToMainCommands());

    // Sold out, then one cooked ahead on the menu screen.
    Food* portion = FindPantryFood(play.game().world().kitchen, Sjis(u8"ゼルバ炒め"));
    ASSERT_NE(portion, nullptr);
    std::erase_if(play.kitchen().pantry(),
                  [&](const std::unique_ptr<Food>& f) { return f.get() == portion; });
    ASSERT_TRUE(play.Choose(u8"メニューを見る"));
    ASSERT_TRUE(play.Choose(u8"ゼルバ炒め"));
    ASSERT_TRUE(play.Choose(u8"料理を作る"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenWaitForMessage));
    EXPECT_EQ(Mark(u8"ゼルバ炒め"), 1) << "cooked ahead";
    EXPECT_TRUE(MarksFollowTheMenu());
    ASSERT_TRUE(BackToMainCommands());

    // メニュー交換 to キャベツ: the mark goes with the place.
    ASSERT_TRUE(play.Choose(u8"メニューを見る"));
    ASSERT_TRUE(play.Choose(u8"ゼルバ炒め"));
    ASSERT_TRUE(play.Choose(u8"メニュー交換"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenAddDishToMenu));
    ASSERT_TRUE(play.Choose(u8"キャベツ"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenMenu));
    ASSERT_EQ(play.kitchen().menu.size(), 1u);
    EXPECT_EQ(Mark(u8"ゼルバ炒め"), 0) << "exchanged away";
    EXPECT_EQ(Mark(u8"キャベツ"), 1) << "exchanged in";
    EXPECT_TRUE(MarksFollowTheMenu());
    ASSERT_TRUE(BackToMainCommands());

    // 削除.
    ASSERT_TRUE(play.Choose(u8"メニューを見る"));
    ASSERT_TRUE(play.Choose(u8"キャベツ"));
    ASSERT_TRUE(play.Choose(u8"削除"));
    ASSERT_TRUE(play.RunUntilMessage(u8"メニューがありません"));
    EXPECT_TRUE(play.kitchen().menu.empty());
    EXPECT_EQ(Mark(u8"キャベツ"), 0) << "deleted";
    EXPECT_TRUE(MarksFollowTheMenu());
    ASSERT_TRUE(BackToMainCommands());

    // A slot holding a mark its menu does not explain (one written before the marks followed
    // the menu) loads with the marks the menu gives.
    FindPantryFood(play.game().world().kitchen, Sjis(u8"キャベツ"))->on_menu = 1;
    ASSERT_TRUE(play.game().SaveGame(2));
    ASSERT_TRUE(play.game().LoadGame(2));
    EXPECT_EQ(Mark(u8"キャベツ"), 0) << "loaded";
    EXPECT_TRUE(MarksFollowTheMenu());
}

}  // namespace
