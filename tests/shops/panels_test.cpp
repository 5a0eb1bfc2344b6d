// The item and catalogue-entry panels, on the draw recorder.
#include <optional>

#include "game/economy/owned_items.h"
#include "tests/shops/shops_fixture.h"

namespace {

using namespace shops_test;

class PanelsTest : public ShopsTest {
protected:
    std::vector<DrawOp> DrawItem(const char* name) {
        const std::unique_ptr<CItem> item = CreateItemByName(name);
        world.recorder.Clear();
        game.view().ItemInfoPanel(*item);
        return world.recorder.OfKind(DrawOp::Kind::Text);
    }
    std::vector<DrawOp> DrawEntry(const char* name) {
        world.recorder.Clear();
        game.view().DrawEntryInfo(*FindFoodDef(name));
        return world.recorder.OfKind(DrawOp::Kind::Text);
    }
    static std::optional<DrawOp> Find(const std::vector<DrawOp>& ops, const std::string& text) {
        for (const DrawOp& op : ops)
            if (op.text == text) return op;
        return std::nullopt;
    }
    // The text drawn on a row, right-aligned at x.
    static std::string RightAt(const std::vector<DrawOp>& ops, int x, int y) {
        for (const DrawOp& op : ops)
            if (op.x == x && op.y == y && (op.format & DT_RIGHT)) return op.text;
        return "<none>";
    }
};

TEST_F(PanelsTest, ClothingShowsItsDefenceAgainstWhatIsWorn) {
    struct Case {
        const char* worn;  // null: nothing worn
        const char* difference;
        std::uint32_t color;
    };
    const Case kCases[] = {
        {"毛皮のコート", "- 2", 0xFF0000FF},
        {nullptr, "+ 9", 0xFFFF4000},
        {"エプロン", "+ 5", 0xFFFF4000},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.difference);
        game.state().equipped[kEquipClothing] = c.worn ? CreateItemByName(c.worn) : nullptr;
        const std::vector<DrawOp> ops = DrawItem("シェフの白衣");  // defence 9
        ASSERT_TRUE(Find(ops, "防御力"));
        EXPECT_EQ(RightAt(ops, 438, 210), "9");
        const std::optional<DrawOp> shown = Find(ops, c.difference);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->x, 466);
        EXPECT_EQ(shown->y, 210);
        EXPECT_EQ(shown->color, c.color);
        EXPECT_EQ(RightAt(ops, 452, 230), "防具");
    }
    // The same clothing worn: no difference at all.
    game.state().equipped[kEquipClothing] = CreateItemByName("シェフの白衣");
    for (const DrawOp& op : DrawItem("シェフの白衣")) EXPECT_NE(op.x, 466) << op.text;
}

TEST_F(PanelsTest, MagicShowsItsLevelAsItIsNowOrADashWithoutOne) {
    world.mediator().values().SetValue("lv_normal", 3, false);
    std::vector<DrawOp> ops = DrawItem("マジックシード");
    EXPECT_TRUE(Find(ops, "レベル"));
    EXPECT_EQ(RightAt(ops, 438, 210), "3");
    world.mediator().values().SetValue("lv_normal", 4, false);
    EXPECT_EQ(RightAt(DrawItem("マジックシード"), 438, 210), "4");

    ops = DrawItem("アクセル");
    EXPECT_TRUE(Find(ops, "レベル"));
    EXPECT_EQ(RightAt(ops, 438, 210), "-");
    EXPECT_EQ(RightAt(ops, 452, 230), "魔法");
}

TEST_F(PanelsTest, TheOwnedCountIsTheCurrentOneWornItemsIncluded) {
    // The new game's knife, then one more bought.
    EXPECT_EQ(RightAt(DrawItem("包丁"), 438, 250), "1");
    GiveItem(game.state(), game.mediator().items(), "包丁", 1);
    std::vector<DrawOp> ops = DrawItem("包丁");
    EXPECT_EQ(RightAt(ops, 438, 250), "2");
    EXPECT_TRUE(Find(ops, "性能"));
    EXPECT_EQ(RightAt(ops, 452, 230), "器具");
    // Worn, and not in the bag.
    EXPECT_EQ(RightAt(DrawItem("エプロン"), 438, 250), "1");
}

TEST_F(PanelsTest, PropertyAndAccessoriesShowOnlyADash) {
    for (const char* name : {"甘粉商事株", "赤いスカーフ"}) {
        SCOPED_TRACE(name);
        const std::vector<DrawOp> ops = DrawItem(name);
        EXPECT_EQ(RightAt(ops, 438, 210), "-");
        EXPECT_EQ(ops.front().text, name);
        EXPECT_EQ(ops[1].text, FindItemRow(name)->description);
    }
}

TEST_F(PanelsTest, TheEntryPanelShowsADashForWhatKeepsForEver) {
    FoodDef& sugar = *FindFoodDef("砂糖");
    sugar.familiarity = 12.7f;
    struct Case {
        int days;
        const char* shown;
        bool unit;
    };
    const Case kCases[] = {{998, "998", true}, {999, "-", false}, {5000, "-", false}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.days);
        sugar.days_limit = c.days;
        const std::vector<DrawOp> ops = DrawEntry("砂糖");
        EXPECT_EQ(ops.front().text, "砂糖");
        EXPECT_EQ(RightAt(ops, 438, 210), std::to_string(sugar.price));
        EXPECT_EQ(RightAt(ops, 438, 270), "12");
        EXPECT_TRUE(Find(ops, "賞味期限"));
        EXPECT_EQ(RightAt(ops, 438, 290), c.shown);
        EXPECT_EQ(Find(ops, " 日").has_value(), c.unit);
    }
}

}  // namespace

namespace {

using namespace shops_test;

// The panel's title line in the last drawn frame, or "" without a panel.
std::string PanelTitle(const DrawRecorder& recorder) {
    for (const DrawOp& op : recorder.OfKind(DrawOp::Kind::Text))
        if (op.x == 310 && op.y == 165) return op.text;
    return "";
}

TEST_F(ShopsTest, TheShopsAndTheEquipmentShowThePanelOfTheRowUnderTheCursor) {
    SetMoney(100000);
    game.world().goods_in_use = 4;
    game.screens().Push(kScreenFoodShop);
    world.Tap(kDown);
    EXPECT_EQ(PanelTitle(world.recorder), "ミルク");
    game.screens().Pop();

    // The tool shop, walked into from the street, sells its two lists as one.
    game.screens().Push(kScreenShopList);
    DecideRow(4);
    ASSERT_EQ(game.screens().id(), kScreenToolShop);
    const std::vector<CItem*>& tools = game.world().item_goods[game.world().goods_in_use];
    ASSERT_GE(tools.size(), 2u);
    world.Tap(kDown);
    EXPECT_EQ(PanelTitle(world.recorder), tools[1]->GetName());
    game.screens().Pop();
    game.screens().Pop();

    // The equipment's first slot wears the new game's apron.
    game.screens().Push(kScreenEquipment);
    world.Frames(1);
    EXPECT_EQ(PanelTitle(world.recorder), "エプロン");
    // An empty slot shows nothing.
    game.state().equipped[kEquipClothing].reset();
    world.Frames(1);
    EXPECT_EQ(PanelTitle(world.recorder), "");
}

}  // namespace
