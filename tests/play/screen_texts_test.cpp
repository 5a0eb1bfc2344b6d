// What the player reads on the play screens, played with the buttons: the texts each screen
// draws, and that nothing left over from the screen before stays on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include <sys/stat.h>
#include <utime.h>

#include <ctime>

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "engine/data/item.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/message_out_event.h"
#include "engine/framework/shop_event.h"
#include "engine/graphics/glyph_source.h"
#include "engine/graphics/text_layout.h"
#include "game/food/food_def.h"
#include "game/rules/pantry.h"
#include "platform/common/font_face.h"
#include "platform/virtual_keys.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;

std::string Utf8Of(const std::string& cp932) { return sjis::ToUtf8(cp932); }

// Where a drawn text's glyphs reach, left and right, measured with the game's font.
struct Extent {
    int left = 0, right = 0, top = 0, bottom = 0;
    bool Meets(const Extent& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};
Extent TextExtent(CDirectGraphics& graphics, const DrawOp& op) {
    const CDirectGraphics::CFontData* data = graphics.GetFontData(op.font);
    Extent extent{op.rect.right, op.rect.left, op.rect.bottom, op.rect.top};
    if (!data || !data->renderer) return extent;
    FontRenderer& font = *data->renderer;
    for (const PlacedGlyph& placed : LayoutText(op.text, op.rect, op.format, font)) {
        extent.left = std::min(extent.left, placed.x);
        extent.right = std::max(extent.right, placed.x + font.GetGlyph(placed.code_point).advance);
        extent.top = std::min(extent.top, placed.y);
        extent.bottom = std::max(extent.bottom, placed.y + font.CellHeight());
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
    play.Frames(120);
    ASSERT_TRUE(play.Choose(u8"休む"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenResting));
    // Some steps of rest, the clock running.
    play.Frames(6);
    ASSERT_EQ(play.game().screens().id(), kScreenResting);
    EXPECT_FALSE(Drawn(u8"何を")) << play.Report();
    EXPECT_FALSE(play.mediator().IsRunning(&play.game().message_output()));
    // Back on the main commands the question is asked again.
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    EXPECT_TRUE(play.RunUntilMessage(u8"何をしますか？", 10));
}

// Selling says only what sells: the main commands' question does not stay in the window.
TEST_F(ScreenTexts, SellingLeavesNoQuestionOfTheMainCommandsInTheWindow) {
    // A dish on the menu and what it is made of, so selling opens and serves.
    ASSERT_NE(play.AddToMenu(u8"トマト", 1.0f), nullptr);
    AddFood(play.kitchen(), FindFoodDef(Sjis(u8"トマト")), 20);
    ASSERT_TRUE(play.RunUntilMessage(u8"何をしますか？"));
    // The question read to its end first, as a player does.
    play.Frames(120);
    ASSERT_TRUE(play.Choose(u8"販売する"));
    ASSERT_TRUE(play.RunUntilScreen(kScreenSelling));
    play.Frames(6);
    ASSERT_EQ(play.game().screens().id(), kScreenSelling);
    EXPECT_FALSE(Drawn(u8"何を")) << play.Report();
    play.Press(kCancel);
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    EXPECT_TRUE(play.RunUntilMessage(u8"何をしますか？", 10));
}

// The plate on the portrait's frame carries the page counter: it shows with a list of more
// than one page and is plain wood under a list of one page.
TEST_F(ScreenTexts, TheCounterPlateShowsOnlyWithACounter) {
    struct Case {
        const char* name;
        int screen;
        bool pages;
    };
    const Case kCases[] = {
        {"main commands", kScreenMainCommands, false},
        {"settings", kScreenSettings, false},
        {"ingredient dictionary", kScreenIngredientDictionary, true},
    };
    play.SetPixels(true);
    CDirectGraphics& graphics = play.app().runtime().graphics;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        if (c.screen != kScreenMainCommands) play.ShowScreen(c.screen);
        play.Frames(40);
        ASSERT_EQ(play.game().screens().id(), c.screen);
        const CSelectEvent& list = play.game().stage().list_window();
        ASSERT_EQ(list.GetCount() > list.GetRows(), c.pages) << play.Report();
        // Inside the plate, left of the counter, against the plain wood of the same band.
        const bool plate = graphics.PixelAt(85, 334) != graphics.PixelAt(50, 334);
        EXPECT_EQ(plate, c.pages);
        play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    }
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
    CShopEvent& shop = play.game().stage().shop_window();
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
        const CItem* goods = play.game().world().item_goods[0][static_cast<std::size_t>(i)];
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
         [](CVemuComp& g) -> CSelectEvent& { return g.stage().shop_window().list(); }},
        {u8"肉屋", kScreenFoodShop,
         [](CVemuComp& g) -> CSelectEvent& { return g.stage().list_window(); }},
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
        EXPECT_FALSE(play.mediator().IsRunning(&play.game().stage().number_entry()));
        EXPECT_FALSE(
            play.mediator().IsRunning(&play.game().stage().shop_window().quantity_entry()));
        EXPECT_TRUE(play.mediator().IsRunning(&list));
        EXPECT_EQ(play.state().money, 0);
        EXPECT_EQ(play.game().screens().id(), c.screen);
        play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenShopList));
    }
}

// The quantity entry of every shop and of the restocking stands on a board of its own, in the
// game's font, with what the quantity costs beside the count in the shops; it covers no text of
// the screen under it (the goods list, the information panel), whichever row asked.
TEST_F(ScreenTexts, TheQuantityEntryStandsOnItsBoardClearOfTheScreensTexts) {
    if (!UseRealFonts(play)) GTEST_SKIP() << "no IPA fonts";
    struct Case {
        const char* what;
        // Opens the entry on the list's last row, which it returns.
        int (*open)(PlayHarness& play);
        CInputNumberEvent& (*entry)(CVemuComp& game);
        int quantity;
        // What one of the row costs, 0 for an entry without a total.
        int (*price)(CVemuComp& game, int row);
    };
    auto to_street = [](PlayHarness& play) {
        EXPECT_TRUE(play.Choose(u8"外出する"));
        EXPECT_TRUE(play.Choose(u8"商店街"));
    };
    static auto street = to_street;
    auto on_last_row = [](PlayHarness& play, const CSelectEvent& list) {
        const int row = list.GetCount() - 1;
        for (int step = 0; step < 40 && list.GetIndex() != row; ++step) play.Press(kDown);
        EXPECT_EQ(list.GetIndex(), row);
        play.Press(kDecide);
        return row;
    };
    static auto last_row = on_last_row;
    const Case kCases[] = {
        {"a lower row of a food shop",
         [](PlayHarness& play) {
             street(play);
             EXPECT_TRUE(play.Choose(u8"肉屋"));
             EXPECT_TRUE(play.RunUntilScreen(kScreenFoodShop));
             return last_row(play, play.game().stage().list_window());
         },
         [](CVemuComp& g) -> CInputNumberEvent& { return g.stage().number_entry(); }, 3,
         [](CVemuComp& g, int row) {
             return g.world()
                 .food_goods[g.world().goods_in_use][static_cast<std::size_t>(row)]
                 ->price;
         }},
        {"a lower row of the tool shop",
         [](PlayHarness& play) {
             street(play);
             EXPECT_TRUE(play.Choose(u8"道具屋"));
             EXPECT_TRUE(play.RunUntilScreen(kScreenToolShop));
             return last_row(play, play.game().stage().shop_window().list());
         },
         [](CVemuComp& g) -> CInputNumberEvent& {
             return g.stage().shop_window().quantity_entry();
         },
         2,
         [](CVemuComp& g, int row) {
             return g.world().item_goods[0][static_cast<std::size_t>(row)]->price;
         }},
        {"the restocking of a menu dish",
         [](PlayHarness& play) {
             play.AddToMenu(u8"ゼルバ炒め", 1.0f);
             EXPECT_TRUE(play.Choose(u8"メニューを見る"));
             EXPECT_TRUE(play.RunUntilScreen(kScreenMenu));
             play.Press(kDecide);
             EXPECT_TRUE(play.Choose(u8"自動仕入れ"));
             return 0;
         },
         [](CVemuComp& g) -> CInputNumberEvent& { return g.stage().number_entry(); }, 4,
         [](CVemuComp&, int) { return 0; }},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        play.SetMoney(10000000);
        const int row = c.open(play);
        CInputNumberEvent& entry = c.entry(play.game());
        ASSERT_TRUE(play.mediator().IsRunning(&entry)) << play.Report();
        for (int i = 0; i < c.quantity; ++i) play.Press(kUp);
        play.Frames(3);
        const int value = entry.GetValue();

        // The board: the pictures drawn at the entry's height, from its first to its last.
        const std::vector<DrawOp>& ops = play.draws().ops;
        const int board_texture = play.game().stage().textures().item_board.GetIndex();
        std::size_t first = ops.size();
        Extent board{640, 0, entry.GetY() - 20, entry.GetY() + 40};
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const DrawOp& op = ops[i];
            if ((op.kind != DrawOp::Kind::Texture && op.kind != DrawOp::Kind::TextureRect) ||
                op.texture != board_texture || op.y != entry.GetY() - 10)
                continue;
            first = std::min(first, i);
            board.left = std::min(board.left, op.x);
            board.right = std::max(
                board.right, op.x + (op.kind == DrawOp::Kind::TextureRect ? op.src_width : 256));
        }
        ASSERT_LT(first, ops.size()) << "no board";

        CDirectGraphics& graphics = play.app().runtime().graphics;
        const std::string total =
            std::to_string(value * c.price(play.game(), row)) + Sjis(u8" クル");
        bool total_drawn = false, ok_drawn = false;
        std::vector<Extent> own;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const DrawOp& op = ops[i];
            if (op.kind != DrawOp::Kind::Text || op.text.empty()) continue;
            const Extent text = TextExtent(graphics, op);
            if (i > first && op.y == entry.GetY()) {
                // The entry's own: on its board, in the game's font.
                EXPECT_GE(text.left, board.left) << Utf8Of(op.text);
                EXPECT_LE(text.right, board.right) << Utf8Of(op.text);
                EXPECT_EQ(op.font, play.game().stage().message_font().GetIndex())
                    << Utf8Of(op.text);
                for (const Extent& other : own) EXPECT_FALSE(text.Meets(other)) << Utf8Of(op.text);
                own.push_back(text);
                total_drawn |= op.text == total;
                ok_drawn |= op.text == Sjis(u8"決定");
            } else if (i < first) {
                EXPECT_FALSE(text.Meets(board)) << "covers " << Utf8Of(op.text);
            }
        }
        EXPECT_TRUE(ok_drawn);
        EXPECT_EQ(total_drawn, c.price(play.game(), row) > 0) << total;

        play.Press(kCancel);
        for (int press = 0; press < 6 && play.game().screens().id() != kScreenMainCommands; ++press)
            play.Press(kCancel);
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands)) << play.Report();
    }
}

// Story lines break where a reader expects: a bracketed name or a word that would cross the end
// of a line goes whole to the next one.
TEST_F(ScreenTexts, StoryLinesBreakBeforeANameOrAWordNotInsideIt) {
    struct Case {
        const char8_t* text;
        const char8_t* first_line;
        const char8_t* second_line;
    };
    const Case kCases[] = {
        {u8"そういえば、ゼルバ炒めに使う『ゼルバワラビ』と『ゼルゼルダケ』が\n残り少なくなってきた"
         u8"な",
         u8"そういえば、ゼルバ炒めに使う『ゼルバワラビ』と", u8"『ゼルゼルダケ』が"},
        {u8"資金に余裕があれば、まずは『建築事務所』に行き、店舗を拡張しておくといい",
         u8"資金に余裕があれば、まずは『建築事務所』に行き、", u8"店舗を拡張しておくといい"},
    };
    CVemuComp& game = play.game();
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing_support::Utf8(c.first_line));
        game.stage().ShowMessage(&game.screens().handles().message, Sjis(c.text).c_str(), true);
        const CMessageOutEvent& out = game.message_output();
        for (int frame = 0; frame < 600 && !out.IsPageFull() &&
                            !(out.GetPosition() >= out.GetLength() && play.MessageWaiting());
             ++frame)
            play.Frame();
        EXPECT_EQ(Utf8Of(out.VisibleLine(0)), testing_support::Utf8(c.first_line));
        EXPECT_EQ(Utf8Of(out.VisibleLine(1)), testing_support::Utf8(c.second_line));
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
