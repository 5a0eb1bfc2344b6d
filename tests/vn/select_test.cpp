// The choice list under keys, mouse and wheel, what it draws, and the key-repeat cadence.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/framework/input_number_event.h"
#include "engine/framework/key_repeat.h"
#include "engine/framework/select_event.h"
#include "engine/graphics/font.h"
#include "tests/vn/vn_world.h"

namespace {

using namespace vn_test;

TEST(KeyRepeat, CadenceOfListsAndNumberEntry) {
    struct Row {
        int held;
        bool list, entry;
    };
    const Row rows[] = {{1, true, true},  {2, false, false},  {10, false, false},
                        {16, true, true}, {17, false, false}, {24, true, true},
                        {64, true, true}, {68, true, false},  {70, false, false},
                        {72, true, true}, {0, false, false}};
    for (const Row& row : rows) {
        EXPECT_EQ(key_repeat::ListActs(row.held), row.list) << "held " << row.held;
        EXPECT_EQ(key_repeat::EntryActs(row.held), row.entry) << "held " << row.held;
    }
}

TEST(PageCounter, PagesRoundUpAndTheLastPageShowsTheLastRow) {
    struct Row {
        int top, rows, count, page, pages;
    };
    const Row rows[] = {{0, 8, 10, 1, 2}, {2, 8, 10, 2, 2},  {0, 8, 16, 1, 2}, {8, 8, 16, 2, 2},
                        {8, 8, 20, 2, 3}, {12, 8, 20, 3, 3}, {4, 8, 20, 1, 3}};
    for (const Row& row : rows) {
        int page = 0, pages = 0;
        CSelectEvent::PageCounter(row.top, row.rows, row.count, page, pages);
        EXPECT_EQ(page, row.page) << row.top << " " << row.count;
        EXPECT_EQ(pages, row.pages) << row.top << " " << row.count;
    }
}

class SelectList : public ::testing::Test {
protected:
    static constexpr int kX = 100, kY = 100, kPitch = 32;

    SelectList() {
        font.Create(16, "", false);
        for (int i = 0; i < 10; ++i) {
            MenuEntry entry;
            entry.label = "row" + std::to_string(i);
            entries.push_back(entry);
        }
    }
    void Open(int count, int rows, bool mouse = false) {
        list.SetItems(entries.data(), count, &index, rows);
        list.SetPosition(kX, kY);
        list.SetSize(256, 36);
        list.SetTextStyle(0xFF112233, &font);
        list.EnableMouse(mouse);
        ASSERT_TRUE(list.Start(&handle));
        world.Frames(1);
    }
    // The labels drawn in the last frame, in row order.
    std::vector<std::string> Rows() const {
        std::vector<std::string> out;
        for (const std::string& t : world.Texts())
            if (t.rfind("row", 0) == 0) out.push_back(t);
        return out;
    }
    int RowY(int row) const { return kY + kPitch * row + 5; }

    VnWorld world;
    DFont font;
    std::vector<MenuEntry> entries;
    CSelectEvent list;
    int index = 0;
    WaitHandle handle;
};

TEST_F(SelectList, KeysWrapAtBothEndsAndTheTopRowFollows) {
    Open(10, 8);
    world.Tap(kUp);
    EXPECT_EQ(index, 9);
    EXPECT_EQ(list.GetTop(), 2);
    world.Tap(kDown);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(list.GetTop(), 0);
    world.Tap(kDown);
    EXPECT_EQ(index, 1);
}

TEST_F(SelectList, HeldDownMovesAtTheRepeatFrames) {
    for (int i = 10; i < 100; ++i) {
        MenuEntry entry;
        entry.label = "row" + std::to_string(i);
        entries.push_back(entry);
    }
    Open(100, 8);
    world.Hold(kDown, true);
    world.Frames(72);  // acts at 1, 16, 24, ..., 64, 68, 72
    EXPECT_EQ(index, 10);
    EXPECT_EQ(list.GetTop(), 3);
}

TEST_F(SelectList, DisabledRowCannotBeDecided) {
    entries[1].enabled = 0;
    Open(10, 8);
    world.Tap(kDown);
    world.Tap(kDecide);
    EXPECT_FALSE(handle.IsDone());
    EXPECT_TRUE(world.mediator().IsRunning(&list));
    world.Tap(kDown);
    world.Tap(kDecide);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(world.mediator().IsRunning(&list));
}

TEST_F(SelectList, PointerOutsideHidesTheCursorUntilItComesBack) {
    Open(10, 8, true);
    world.Point(5, 5);
    world.Frames(2);
    EXPECT_FALSE(list.IsCursorShown());
    world.Tap(kDown);
    world.Tap(kDecide);
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(handle.IsDone());
    world.Point(kX + 10, RowY(3));
    world.Frames(2);
    EXPECT_TRUE(list.IsCursorShown());
    EXPECT_EQ(index, 3);
    world.Click();
    world.Frames(1);
    EXPECT_TRUE(handle.IsDone());
    EXPECT_EQ(index, 3);
}

TEST_F(SelectList, KeyRecallBringsTheCursorBackOnTheTopRow) {
    list.SetKeyRecall(true);
    Open(10, 4, true);
    world.Tap(kUp);  // index 9, top 6
    world.Point(5, 5);
    world.Frames(2);
    ASSERT_FALSE(list.IsCursorShown());
    world.Tap(kDown);
    EXPECT_TRUE(list.IsCursorShown());
    EXPECT_EQ(index, 6);
}

TEST_F(SelectList, PageArrowsTurnPagesAndTheCounterFollows) {
    Open(10, 8, true);
    world.Frames(1);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"row0", "row1", "row2", "row3", "row4", "row5",
                                                "row6", "row7"}));
    ASSERT_NE(world.FindText(u8"1/2"), nullptr);
    EXPECT_EQ(world.FindText(u8"1/2")->y, kY - 16);
    EXPECT_NE(world.FindText(u8"↓"), nullptr);
    EXPECT_EQ(world.FindText(u8"↑"), nullptr);

    // The down arrow sits under the last row, one pitch in.
    world.Point(kX + kPitch + 5, kY + kPitch * 8 + 5);
    world.Click();
    world.Frames(1);
    EXPECT_EQ(list.GetTop(), 2);
    EXPECT_EQ(index, 8);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"row2", "row3", "row4", "row5", "row6", "row7",
                                                "row8", "row9"}));
    EXPECT_NE(world.FindText(u8"2/2"), nullptr);
    EXPECT_EQ(world.FindText(u8"↓"), nullptr);
    ASSERT_NE(world.FindText(u8"↑"), nullptr);
    EXPECT_EQ(world.FindText(u8"↑")->y, kY - kPitch / 2);

    world.Point(kX + kPitch + 5, kY - kPitch / 2 + 5);
    world.Click();
    world.Frames(1);
    EXPECT_EQ(list.GetTop(), 0);
    EXPECT_EQ(index, 0);
    EXPECT_NE(world.FindText(u8"1/2"), nullptr);
}

TEST_F(SelectList, WheelScrollsOneRowPerFrameWithinTheList) {
    Open(10, 8);
    world.mouse().SetWheel(-3);
    world.Frames(1);
    EXPECT_EQ(list.GetTop(), 1);
    EXPECT_EQ(index, 1);
    world.Frames(2);
    EXPECT_EQ(list.GetTop(), 2);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(world.mouse().GetWheel(), 0);
    world.mouse().SetWheel(1);
    world.Frames(1);
    EXPECT_EQ(list.GetTop(), 1);
    EXPECT_EQ(index, 1);
}

TEST_F(SelectList, WheelAfterAWrapNeverLeavesTheList) {
    Open(10, 8);
    world.Tap(kUp);  // index 9, top 2
    world.Hold(kDown, true);
    world.mouse().SetWheel(1);  // the wrap to 0 and a row up in the same frame
    world.Frames(1);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(list.GetTop(), 0);
}

TEST_F(SelectList, RowsColoursSecondTextAndCursor) {
    entries[0].second_text = "120";
    entries[1].color = 0xFFFF0000;
    entries[2].enabled = 0;
    entries[2].color = 0xFFFF0000;
    Open(3, 8);
    const DrawOp* row0 = world.FindText(u8"row0");
    ASSERT_NE(row0, nullptr);
    EXPECT_EQ(row0->x, kX + kPitch * 2 / 3);
    EXPECT_EQ(row0->y, kY + 8);
    EXPECT_EQ(row0->color, 0xFF112233u);
    EXPECT_EQ(row0->format, 0x50u);
    EXPECT_EQ(world.FindText(u8"row1")->color, 0xFFFF0000u);
    EXPECT_EQ(world.FindText(u8"row2")->color, 0x80808080u);

    const DrawOp* price = world.FindText(u8"120");
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(price->format, DT_RIGHT);
    EXPECT_EQ(price->rect, (TextRect{kX, kY + 8, kX + 256 - 16, kY + 8 + 36}));

    const DrawOp* cursor = world.FindText(u8"●");
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->x, kX);
    EXPECT_EQ(cursor->y, kY + 8);
    EXPECT_EQ(world.FindText(u8"1/1"), nullptr);  // everything on one page: no counter
}

TEST_F(SelectList, LongLabelsSplitOnACharacterBoundary) {
    struct Row {
        std::string label;
        std::size_t first;  // bytes on the first line
    };
    // Text width 181 and font height 16 split after 181 * 2 / 16 = 22 bytes.
    const Row rows[] = {{std::string(30, 'a'), 22},
                        {std::string(21, 'a') + Sjis(u8"あいう"), 21},
                        {Sjis(u8"あいうえおかきくけこさし"), 22},
                        {std::string(22, 'a'), 22}};
    for (const Row& row : rows) {
        entries[0].label = row.label;
        list.SetRowSize(kPitch, 181);
        Open(1, 8);
        const auto texts = world.recorder.OfKind(DrawOp::Kind::Text);
        std::vector<DrawOp> labels;
        for (const DrawOp& op : texts)
            if (op.text != "●") labels.push_back(op);
        if (row.first == row.label.size()) {
            ASSERT_EQ(labels.size(), 1u);
            EXPECT_EQ(labels[0].y, kY + 8);
            continue;
        }
        ASSERT_EQ(labels.size(), 2u) << Utf8Of(row.label);
        EXPECT_EQ(labels[0].text, row.label.substr(0, row.first));
        EXPECT_EQ(labels[1].text, row.label.substr(row.first));
        EXPECT_EQ(labels[0].x, kX + 21);
        EXPECT_EQ(labels[0].y, kY);
        EXPECT_EQ(labels[1].x, kX + 21 + 8);
        EXPECT_EQ(labels[1].y, kY + 16);
    }
}

// A label short enough in bytes but too wide beside its row's second text breaks before it,
// never under it; with a split font its two lines sit in the middle of the 36-pixel board.
TEST_F(SelectList, ALabelBesideACountSplitsClearOfIt) {
    DFont small;
    ASSERT_TRUE(small.Create(12, "", false));
    // Box font: 11 two-byte characters are 176 px; the row's text starts 21 px in and the
    // count "66ヶ[M]" (72 px) ends 16 px before the row's right edge, leaving 147 px.
    entries[0].label = Sjis(u8"タマネギ入りニンニクな");
    entries[0].second_text = Sjis(u8"66ヶ[M]");
    list.SetRowSize(kPitch, 181);
    list.SetSplitFont(&small);
    Open(1, 8);
    std::vector<DrawOp> labels;
    for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Text))
        if (op.text != entries[0].second_text && op.text != "●") labels.push_back(op);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].font, small.GetIndex());
    EXPECT_EQ(labels[0].y, kY + 6);
    EXPECT_EQ(labels[1].y, kY + 18);
    const int first_right = kX + 21 + static_cast<int>(labels[0].text.size()) / 2 * 12;
    EXPECT_LE(first_right, kX + 256 - 16 - 72 + 2) << "the first line runs under the count";
    EXPECT_EQ(labels[0].text + labels[1].text, entries[0].label);
}

TEST_F(SelectList, MoveMouseToSelectionPutsThePointerOnTheRowCentre) {
    index = 3;
    Open(10, 8);
    list.MoveMouseToSelection();
    EXPECT_EQ(world.mouse().x, kX + 128);
    EXPECT_EQ(world.mouse().y, kY + 3 * kPitch + kPitch / 2);
}

TEST_F(SelectList, EmptyListNeverFinishesAndDrawsNothing) {
    Open(0, 8, true);
    EXPECT_EQ(index, -1);
    world.Tap(kDecide);
    world.Click();
    world.Frames(2);
    EXPECT_TRUE(world.mediator().IsRunning(&list));
    EXPECT_FALSE(handle.IsDone());
    EXPECT_TRUE(Rows().empty());
}

TEST_F(SelectList, CursorAndPageArrowTexturesPulse) {
    Pictures pictures(world);
    DTexture cursor, up, down;
    pictures.Load(cursor, 100, 40);
    pictures.Load(up, 20, 10);
    pictures.Load(down, 20, 10);
    list.SetHoverTexture(&cursor);
    list.SetPageArrows(&up, &down);
    index = 5;
    list.SetItems(entries.data(), 10, &index, 4);
    list.SetPosition(kX, kY);
    list.SetTextStyle(0xFF112233, &font);
    ASSERT_TRUE(list.Start(&handle));
    // Before its first update the list shows no cursor texture.
    world.recorder.Clear();
    list.Draw();
    for (const DrawOp& op : world.recorder.OfKind(DrawOp::Kind::Effect))
        EXPECT_NE(op.texture, cursor.GetIndex());

    world.Frames(5);  // frame counter 5: k = 5; index 5 shows on the last row of top 2
    ASSERT_EQ(list.GetTop(), 2);
    struct Want {
        const DTexture* texture;
        int x, y, width, height, alpha;
    };
    const Want wants[] = {{&cursor, kX, kY + 3 * kPitch, 101, 41, 255 - 35},
                          {&up, kX + kPitch, kY - kPitch / 2, 23, 11, 255 - 25},
                          {&down, kX + kPitch, kY + 4 * kPitch, 23, 11, 255 - 25}};
    const auto effects = world.recorder.OfKind(DrawOp::Kind::Effect);
    ASSERT_EQ(effects.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const Want& want = wants[i];
        EXPECT_EQ(effects[i].texture, want.texture->GetIndex()) << i;
        EXPECT_EQ(effects[i].effect.x, want.x) << i;
        EXPECT_EQ(effects[i].effect.y, want.y) << i;
        EXPECT_NEAR(effects[i].effect.width, want.width, 1) << i;
        EXPECT_NEAR(effects[i].effect.height, want.height, 1) << i;
        EXPECT_EQ(effects[i].effect.alpha, want.alpha) << i;
    }
    EXPECT_EQ(world.FindText(u8"↑"), nullptr);  // the textures stand in for the arrows
}

TEST_F(SelectList, SoundsOfMovesAndDecides) {
    WaveProbes probes(world);
    DWave move, decide;
    probes.Load(move);
    probes.Load(decide);
    list.SetCursorSound(&move);
    list.SetClickSound(&decide);
    entries[1].enabled = 0;
    Open(10, 8);
    struct Row {
        const char* what;
        int button;  // -1: a wheel notch up on the top row
        bool move, decide;
    };
    const Row rows[] = {{"down", kDown, true, false},
                        {"decide on a disabled row", kDecide, false, false},
                        {"up", kUp, true, false},
                        {"wheel up on the top row", -1, false, false},
                        {"decide", kDecide, false, true}};
    for (const Row& row : rows) {
        WaveProbes::Quiet({&move, &decide});
        if (row.button < 0) {
            world.mouse().SetWheel(1);
            world.Frames(1);
        } else {
            world.Tap(row.button);
        }
        EXPECT_EQ(move.IsPlaying(), row.move) << row.what;
        EXPECT_EQ(decide.IsPlaying(), row.decide) << row.what;
    }
    EXPECT_TRUE(handle.IsDone());
}

// An empty list on one page of one row must not leave the top row above the first entry.
TEST_F(SelectList, EntriesAfterAnEmptyListStartOnTheFirstRow) {
    Open(0, 0);
    list.Stop();
    Open(3, 0);
    EXPECT_EQ(list.GetTop(), 0);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"row0", "row1", "row2"}));
}

// A list reopened after a longer one in the same window: one that fits shows from its first row,
// and a recalled cursor moves the rows only as far as it takes to show it.
TEST_F(SelectList, AReopenedListScrollsOnlyAsFarAsItsCursorNeeds) {
    struct Case {
        int left_top;  // where the longer list left the window
        int count, rows, cursor;
        int top;
    };
    const Case cases[] = {
        // Fits its window: from the first row, wherever the cursor is.
        {2, 4, 8, 2, 0},
        {2, 4, 8, 3, 0},
        {7, 4, 4, 0, 0},
        // Longer: no empty rows under the last one.
        {6, 10, 8, 9, 2},
        {6, 10, 8, 7, 2},
        // The cursor above or below the rows left in view: just far enough to show it.
        {5, 10, 4, 1, 1},
        {0, 10, 4, 5, 2},
        // Already in view: nothing moves.
        {1, 10, 4, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.left_top << " " << c.count << "/" << c.rows << " at " << c.cursor);
        list.Stop();
        list.SetTop(c.left_top);
        index = c.cursor;
        Open(c.count, c.rows);
        EXPECT_EQ(list.GetTop(), c.top);
        const std::vector<std::string> rows = Rows();
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front(), "row" + std::to_string(c.top));
        EXPECT_EQ(static_cast<int>(rows.size()), std::min(c.rows, c.count));
    }
}

}  // namespace
