// What the player reads on the play screens, played with the buttons: the texts each screen
// draws, and that nothing left over from the screen before stays on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <sys/stat.h>
#include <utime.h>

#include <ctime>

#include "engine/common/game_path.h"
#include "engine/data/item.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/shop_event.h"
#include "engine/graphics/glyph_source.h"
#include "engine/graphics/text_layout.h"
#include "platform/common/font_face.h"
#include "platform/virtual_keys.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

// Where a drawn text's glyphs reach, left and right, measured with the game's font.
struct Extent {
    int left = 0, right = 0;
};
Extent TextExtent(CDirectGraphics& graphics, const DrawOp& op) {
    const CDirectGraphics::CFontData* data = graphics.GetFontData(op.font);
    Extent extent{op.rect.right, op.rect.left};
    if (!data || !data->renderer) return extent;
    FontRenderer& font = *data->renderer;
    for (const PlacedGlyph& placed : LayoutText(op.text, op.rect, op.format, font)) {
        extent.left = std::min(extent.left, placed.x);
        extent.right = std::max(extent.right, placed.x + font.GetGlyph(placed.code_point).advance);
    }
    return extent;
}

// The real Japanese fonts, so that widths are the ones a player sees; false without them.
bool UseRealFonts(PlayHarness& play) {
    auto glyphs =
        MakeFreeTypeGlyphSource(platform::FindMinchoFontFile(), platform::FindGothicFontFile());
    if (!glyphs) return false;
    play.app().runtime().graphics.SetGlyphSource(std::move(glyphs));
    return true;
}

// Dates a save slot's first file, as if it had been written then (local time).
void DateSlot(int slot, int year, int month, int day, int hour, int minute) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    char name[32];
    std::snprintf(name, sizeof name, "dat/scd%02d.sav", slot);
    const utimbuf times{when, when};
    ASSERT_EQ(utime(gamepath::Resolve(name).c_str(), &times), 0);
}

class ScreenTexts : public ::testing::Test {
protected:
    void SetUp() override {
        play.Seed(5);
        // Off every list, so the buttons alone steer the cursors.
        play.MovePointer(-100, -100);
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    }
    // Whether a text containing `part` (UTF-8) was drawn in the last frame.
    bool Drawn(const char8_t* part) const {
        const std::string wanted = testing_support::Utf8(part);
        const std::vector<std::string> texts = play.Texts();
        return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) {
            return text.find(wanted) != std::string::npos;
        });
    }
    PlayHarness play;
};

TEST_F(ScreenTexts, RestingLeavesNoQuestionOfTheMainCommandsInTheWindow) {
    ASSERT_TRUE(play.RunUntilMessage(u8"何をしますか？"));
    ASSERT_TRUE(play.Choose(u8"休む"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenResting));
    // Some steps of rest, the clock running.
    play.Frames(6);
    ASSERT_EQ(play.game().screen_id(), kScreenResting);
    EXPECT_FALSE(Drawn(u8"何を")) << play.Report();
    EXPECT_FALSE(play.mediator().IsRunning(&play.game().message_output()));
    // Back on the main commands the question is asked again.
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    EXPECT_TRUE(play.RunUntilMessage(u8"何をしますか？", 10));
}

// The tool shop lists every row with its price on the row's board, apart from the name.
TEST_F(ScreenTexts, TheToolShopPricesEveryRowOnItsBoard) {
    if (!UseRealFonts(play)) GTEST_SKIP() << "no IPA fonts";
    ASSERT_TRUE(play.Choose(u8"外出する"));
    ASSERT_TRUE(play.Choose(u8"商店街"));
    play.SetMoney(3000);
    ASSERT_TRUE(play.Choose(u8"道具屋"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenToolShop));
    play.Frames(2);
    CShopEvent& shop = play.game().shop_window();
    const std::vector<MenuEntry>& rows = shop.entries();
    ASSERT_GT(rows.size(), 1u);

    CDirectGraphics& graphics = play.app().runtime().graphics;
    const int list_x = CShopEvent::kListX;
    // A space's width at least between a name and its price.
    constexpr int kGap = 8;
    // Row by row, the cursor brings every page of the shop into view.
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        SCOPED_TRACE(i);
        for (int step = 0; step < 40 && shop.list().GetIndex() != i; ++step) play.Press(kDown);
        ASSERT_EQ(shop.list().GetIndex(), i);
        const MenuEntry& row = rows[static_cast<std::size_t>(i)];
        const CItem* goods = play.game().item_goods(0)[static_cast<std::size_t>(i)];
        EXPECT_EQ(row.second_text, std::to_string(goods->price) + Sjis(u8" クル"));
        // The row's texts: its name (or the name's first part) and its price.
        const int row_y = CShopEvent::kListY + CShopEvent::kPitch * (i - shop.list().GetTop());
        const DrawOp* name = nullptr;
        const DrawOp* price = nullptr;
        for (const DrawOp& op : play.draws().ops) {
            if (op.kind != DrawOp::Kind::Text || op.rect.top < row_y ||
                op.rect.top >= row_y + CShopEvent::kPitch || op.rect.left >= list_x + 256)
                continue;
            if (op.text == row.second_text) price = &op;
            if (!name && !op.text.empty() && row.label.rfind(op.text, 0) == 0) name = &op;
        }
        ASSERT_TRUE(name && price) << play.Report();
        // On the row's board, apart from the name.
        const Extent extent = TextExtent(graphics, *price);
        EXPECT_GE(extent.left - TextExtent(graphics, *name).right, kGap);
        EXPECT_GE(extent.left, list_x);
        EXPECT_LE(extent.right, list_x + 256 - 8);
    }
}

// In every shop that sells, a grey row is one beyond the money: deciding it says so, opens no
// quantity entry and buys nothing.
TEST_F(ScreenTexts, DecidingAGreyRowSaysTheMoneyIsShort) {
    struct Case {
        const char8_t* shop;
        int screen;
        CSelectEvent& (*list)(CVemuComp& game);
    };
    const Case kCases[] = {
        {u8"道具屋", kScreenToolShop,
         [](CVemuComp& g) -> CSelectEvent& { return g.shop_window().list(); }},
        {u8"肉屋", kScreenFoodShop, [](CVemuComp& g) -> CSelectEvent& { return g.list_window(); }},
    };
    ASSERT_TRUE(play.Choose(u8"外出する"));
    ASSERT_TRUE(play.Choose(u8"商店街"));
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing_support::Utf8(c.shop));
        // Nothing to spend: every priced row is grey.
        play.SetMoney(0);
        ASSERT_TRUE(play.Choose(c.shop));
        ASSERT_TRUE(play.RunUntilScreen(c.screen));
        play.Frames(2);
        CSelectEvent& list = c.list(play.game());
        ASSERT_GT(list.GetCount(), 1);
        ASSERT_FALSE(list.GetEntries()[1].enabled);
        play.Press(kDown);
        ASSERT_EQ(list.GetIndex(), 1);
        play.Press(kDecide);
        EXPECT_TRUE(play.RunUntilMessage(u8"お金が足りません", 5));
        EXPECT_FALSE(play.mediator().IsRunning(&play.game().number_entry()));
        EXPECT_FALSE(play.mediator().IsRunning(&play.game().shop_window().quantity_entry()));
        EXPECT_TRUE(play.mediator().IsRunning(&list));
        EXPECT_EQ(play.state().money, 0);
        EXPECT_EQ(play.game().screen_id(), c.screen);
        play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenShopList));
    }
}

// The date of a slot's row and its time, the row's second text, stand apart on the board: with
// the widest date and time a row can show, in the fonts of both slot lists.
TEST_F(ScreenTexts, ASlotRowsDateAndTimeStandApart) {
    if (!UseRealFonts(play)) GTEST_SKIP() << "no IPA fonts";
    ASSERT_TRUE(play.game().SaveGame(0));
    DateSlot(0, 2026, 12, 10, 16, 46);
    const std::string date = Sjis(u8"2026/12/10"), time = "16:46";
    // The gap a player reads as a space between the two.
    constexpr int kGap = 8;
    auto check_rows = [&](const char* where) {
        SCOPED_TRACE(where);
        CDirectGraphics& graphics = play.app().runtime().graphics;
        const DrawOp* label = nullptr;
        const DrawOp* clock = nullptr;
        for (const DrawOp& op : play.draws().ops) {
            if (op.kind != DrawOp::Kind::Text) continue;
            if (op.text.find(date) != std::string::npos) label = &op;
            if (op.text == time) clock = &op;
        }
        ASSERT_TRUE(label && clock) << play.Report();
        const Extent l = TextExtent(graphics, *label), r = TextExtent(graphics, *clock);
        EXPECT_GE(r.left - l.right, kGap)
            << "date ends at " << l.right << ", time starts at " << r.left;
    };

    ASSERT_TRUE(play.Choose(u8"作戦"));
    ASSERT_TRUE(play.Choose(u8"セーブ"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenStory));
    // The question is read, then the slots are listed.
    for (int i = 0; i < 400 && play.ChoiceRows().size() != 8; ++i) {
        if (play.MessageWaiting() &&
            play.game().message_output().GetPosition() == play.game().message_output().GetLength())
            play.Press(kDecide);
        else
            play.Frame();
    }
    play.Frames(2);
    check_rows("save");
    play.Press(kCancel);

    play.PressKey(platform::vk::kF2);
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    play.Press(kDecide);
    ASSERT_TRUE(play.Choose(u8"つづきから"));
    play.Frames(2);
    check_rows("continue");
}

}  // namespace
