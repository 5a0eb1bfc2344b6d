#include <gtest/gtest.h>

#include "engine/data/item_bag.h"
#include "engine/data/qz_file.h"
#include "tests/data/data_fixture.h"

namespace data_test {
namespace {

CItem* MakeItem(const char* name, int id = 0) {
    auto* item = new CItem;
    item->SetName(name);
    item->id = id;
    return item;
}

Bytes Int(std::uint32_t v) {
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

Bytes String(const std::string& s) {
    return Concat({Int(static_cast<std::uint32_t>(s.size())),
                   Int(static_cast<std::uint32_t>(s.size())), Text(s)});
}

// count, then the item record with no metadata.
Bytes Entry(int count, int id, const std::string& name) {
    return Concat({Int(count), Int(id), String(name), Int(0), Int(0), Int(0), Int(0), Int(0)});
}

class ItemBagTest : public DataTest {
protected:
    ItemBagTest() { bag.SetFileKey(GameKey()); }

    // A bag already holding something, so that a failed load shows whether it was kept.
    void Fill() {
        bag.Clear();
        bag.AddItem(MakeItem("old", 1), 4);
    }
    void ExpectFilled() {
        ASSERT_EQ(bag.GetSize(), 1);
        EXPECT_STREQ(bag.GetItemAt(0)->name, "old");
        EXPECT_EQ(bag.GetEntryAt(0)->count, 4);
    }

    CItemBag bag;
};

TEST_F(ItemBagTest, AddMergesByNameAndRemoveTakesExactly) {
    CItem* egg = MakeItem("egg", 1);
    EXPECT_EQ(bag.AddItem(egg, 2), egg);
    CItem* again = MakeItem("egg", 9);
    EXPECT_EQ(bag.AddItem(again, 3), egg);
    delete again;
    bag.AddItem(MakeItem("milk"), 1);
    EXPECT_EQ(bag.GetSize(), 2);
    EXPECT_EQ(bag.GetItemCount(egg), 5);
    EXPECT_EQ(bag.FindItemIndex("milk"), 1);
    EXPECT_EQ(bag.FindItemIndex("none"), -1);
    EXPECT_EQ(bag.GetEntryAt(2), nullptr);
    EXPECT_EQ(bag.GetItemAt(-1), nullptr);

    CItem probe;
    probe.SetName("egg");
    EXPECT_FALSE(bag.RemoveItem(&probe, 6));
    EXPECT_EQ(bag.GetItemCount(&probe), 5);
    EXPECT_TRUE(bag.RemoveItem(&probe, 2));
    EXPECT_EQ(bag.GetItemCount(&probe), 3);
    EXPECT_TRUE(bag.RemoveItem(&probe, 3));
    EXPECT_EQ(bag.GetSize(), 1);
    EXPECT_EQ(bag.GetItemCount(&probe), 0);
    EXPECT_FALSE(bag.RemoveItem(&probe, 1));
}

TEST_F(ItemBagTest, OneItemHasItsExactPayloadAndRoundTrips) {
    CItem* item = MakeItem("卵", 7);
    item->kind = 2;
    item->price = 25;
    item->metadata.SetValue("k", "v");
    bag.AddItem(item, 3);
    ASSERT_TRUE(bag.Save(Path("ssi.sav").c_str()));
    const Bytes expected = Concat({Int(1),
                                   Int(1),
                                   Int(3),
                                   Int(7),
                                   Int(2),
                                   Int(2),
                                   {0x97, 0x91},
                                   Int(2),
                                   Int(0),
                                   Int(25),
                                   Int(1),
                                   Int(1),
                                   Int(1),
                                   Int(1),
                                   {'k'},
                                   Int(1),
                                   Int(1),
                                   {'v'}});
    EXPECT_EQ(ReadPayload(Path("ssi.sav")), expected);

    CItemBag loaded;
    loaded.SetFileKey(GameKey());
    ASSERT_TRUE(loaded.Load(Path("ssi.sav").c_str()));
    ASSERT_EQ(loaded.GetSize(), 1);
    const CItem* back = loaded.GetItemAt(0);
    EXPECT_STREQ(back->name, "卵");
    EXPECT_EQ(back->id, 7);
    EXPECT_EQ(back->kind, 2);
    EXPECT_EQ(back->price, 25);
    EXPECT_STREQ(back->metadata.GetValue("k"), "v");
    EXPECT_EQ(loaded.GetEntryAt(0)->count, 3);
}

TEST_F(ItemBagTest, LoadTable) {
    const std::string a64(64, 'a');
    const std::string split =
        std::string(62, 'a') + "卵";  // 64 bytes: a cut at 63 would split the last one
    struct Case {
        const char* what;
        Bytes payload;
        bool ok;
        std::vector<std::pair<std::string, int>> items;
    };
    const Case cases[] = {
        {"empty", Concat({Int(0), Int(0)}), true, {}},
        {"two",
         Concat({Int(2), Int(2), Entry(1, 1, "x"), Entry(2, 2, "y")}),
         true,
         {{"x", 1}, {"y", 2}}},
        {"duplicate names merge",
         Concat({Int(2), Int(2), Entry(1, 1, "x"), Entry(5, 2, "x")}),
         true,
         {{"x", 6}}},
        {"64-byte name",
         Concat({Int(1), Int(1), Entry(1, 1, a64)}),
         true,
         {{a64.substr(0, 63), 1}}},
        {"cut on a character",
         Concat({Int(1), Int(1), Entry(1, 1, split)}),
         true,
         {{split.substr(0, 62), 1}}},
        {"unequal counts", Concat({Int(1), Int(2), Entry(1, 1, "x")}), false, {}},
        {"negative count", Concat({Int(-1), Int(-1)}), false, {}},
        {"huge count", Concat({Int(0x7FFFFFFF), Int(0x7FFFFFFF), Entry(1, 1, "x")}), false, {}},
        {"short entry", Concat({Int(2), Int(2), Entry(1, 1, "x"), Int(3), Int(4)}), false, {}},
        {"bad metadata",
         Concat(
             {Int(1), Int(1), Int(1), Int(1), String("x"), Int(0), Int(0), Int(0), Int(1), Int(2)}),
         false,
         {}},
        {"huge metadata",
         Concat({Int(1), Int(1), Int(1), Int(1), String("x"), Int(0), Int(0), Int(0),
                 Int(0x10000000), Int(0x10000000)}),
         false,
         {}},
        {"no counts", Int(0), false, {}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WritePayload(Path("ssi.sav"), c.payload));
        Fill();
        EXPECT_EQ(bag.Load(Path("ssi.sav").c_str()), c.ok) << c.what;
        if (!c.ok) {
            ExpectFilled();
            continue;
        }
        ASSERT_EQ(bag.GetSize(), static_cast<int>(c.items.size())) << c.what;
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(bag.GetItemAt(static_cast<int>(i))->name, c.items[i].first) << c.what;
            EXPECT_EQ(bag.GetEntryAt(static_cast<int>(i))->count, c.items[i].second) << c.what;
        }
    }
}

TEST_F(ItemBagTest, CorruptMissingOrUnwritableFilesAreRefused) {
    bag.AddItem(MakeItem("egg"), 2);
    ASSERT_TRUE(bag.Save(Path("ssi.sav").c_str()));
    Bytes bytes = FileBytes(Path("ssi.sav"));
    bytes[8 + 200] ^= 0x04;
    SetFileBytes(Path("bad.sav"), bytes);
    SetFileBytes(Path("short.sav"), Bytes(bytes.begin(), bytes.begin() + 100));
    for (const char* bad : {"bad.sav", "short.sav", "missing.sav"}) {
        Fill();
        EXPECT_FALSE(bag.Load(Path(bad).c_str())) << bad;
        ExpectFilled();
    }
    SetFileBytes(Path("plain"), Text("x"));
    EXPECT_FALSE(bag.Save(Path("plain/ssi.sav").c_str()));
    CItemBag keyless;
    EXPECT_FALSE(keyless.Save(Path("k.sav").c_str()));
    EXPECT_FALSE(keyless.Load(Path("ssi.sav").c_str()));
}

TEST_F(ItemBagTest, EmptyBagSavesTwoZeroCounts) {
    ASSERT_TRUE(bag.Save(Path("ssi.sav").c_str()));
    EXPECT_EQ(ReadPayload(Path("ssi.sav")), Concat({Int(0), Int(0)}));
    Fill();
    EXPECT_TRUE(bag.Load(Path("ssi.sav").c_str()));
    EXPECT_EQ(bag.GetSize(), 0);
}

TEST(ItemTest, NamesAreCutOnCharacterBoundaries) {
    CItem item;
    item.SetName(std::string(70, 'b').c_str());
    EXPECT_EQ(std::string(item.name), std::string(63, 'b'));
    item.SetName((std::string(61, 'b') + "卵卵").c_str());
    EXPECT_EQ(std::string(item.name), std::string(61, 'b') + "\x97\x91");
    CMetaData meta;
    meta.SetValue("k", "1");
    meta.SetValue("k", "2");
    meta.SetValue("j", "3");
    EXPECT_EQ(meta.GetSize(), 2);
    EXPECT_STREQ(meta.GetValue("k"), "2");
    EXPECT_EQ(meta.GetValue("none"), nullptr);
}

}  // namespace
}  // namespace data_test
