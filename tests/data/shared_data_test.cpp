#include <gtest/gtest.h>

#include <climits>

#include "engine/data/shared_data.h"
#include "tests/data/data_fixture.h"

namespace data_test {
namespace {

class SharedDataTest : public DataTest {
protected:
    SharedDataTest() { store.SetFileKey(GameKey()); }

    // What the game's store holds before a load is tried on it.
    void Fill(CQZSharedData& s) {
        s.SetValue("year", 3, false);
        s.SetValue("money", 777, true);
        s.SetValue("honor", 12, false);
    }
    static void ExpectFilled(const CQZSharedData& s) {
        EXPECT_EQ(s.GetValue("year", -1), 3);
        EXPECT_EQ(s.GetValue("money", -1), 777);
        EXPECT_EQ(s.GetValue("honor", -1), 12);
        EXPECT_EQ(s.entries().size(), 3u);
    }

    CQZSharedData store;
};

TEST_F(SharedDataTest, PlainFileHasItsExactPayload) {
    store.SetValue("a", 1, false);
    store.SetValue("bb", -1, false);
    store.SetValue("money", 10000, true);
    ASSERT_TRUE(store.SavePlain(Path("ssn.sav").c_str()));
    const Bytes expected = {0x61, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x62, 0x62, 0x2C, 0x04, 0x00,
                            0x00, 0x00, 0x0A, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadPayload(Path("ssn.sav")), expected);
    ASSERT_TRUE(store.SaveGuarded(Path("sse.sav").c_str()));
    const Bytes guarded = ReadPayload(Path("sse.sav"));
    const Bytes head = Concat({Text("money,"), {0, 0, 0, 0, '\n', 4, 0, 0, 0}});
    ASSERT_EQ(guarded.size(), head.size() + 4);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), guarded.begin()));
}

TEST_F(SharedDataTest, ValueSemantics) {
    EXPECT_EQ(store.GetValue("none", 9), 9);
    EXPECT_FALSE(store.AddValue("none", 1));
    EXPECT_EQ(store.FindEntry("none"), nullptr);

    store.SetValue("x", 1, false);
    store.SetValue("x", 5, true);  // keeps its kind
    ASSERT_NE(store.FindEntry("x"), nullptr);
    EXPECT_FALSE(store.FindEntry("x")->guarded);
    EXPECT_EQ(store.GetValue("x", 0), 5);

    store.SetValue("max", INT_MAX, false);
    EXPECT_FALSE(store.AddValue("max", 1));  // false even when it adds
    EXPECT_EQ(store.GetValue("max", 0), INT_MIN);
    store.SetValue("money", 100, true);
    store.AddValue("money", -250);
    EXPECT_EQ(store.GetValue("money", 0), -150);
    EXPECT_TRUE(store.FindEntry("money")->guarded);
    EXPECT_EQ(store.FindEntry("max")->slot, 4u);
    EXPECT_EQ(store.FindEntry("money")->slot, 0u);

    const std::string longest(255, 'n'), too_long(256, 'n');
    store.SetValue(longest.c_str(), 1, false);
    store.SetValue(too_long.c_str(), 1, false);
    store.SetValue("a,b", 1, false);
    store.SetValue("a\nb", 1, false);
    EXPECT_NE(store.FindEntry(longest.c_str()), nullptr);
    EXPECT_EQ(store.FindEntry(too_long.c_str()), nullptr);
    EXPECT_EQ(store.FindEntry("a,b"), nullptr);
    EXPECT_EQ(store.FindEntry("a\nb"), nullptr);
}

TEST_F(SharedDataTest, BothFilesRoundTrip) {
    const std::string longest(255, 'n');
    Fill(store);
    store.SetValue(longest.c_str(), -5, false);
    store.SetValue("go_shop", 1, false);
    ASSERT_TRUE(store.SavePlain(Path("ssn.sav").c_str()));
    ASSERT_TRUE(store.SaveGuarded(Path("sse.sav").c_str()));

    CQZSharedData loaded;
    loaded.SetFileKey(GameKey());
    loaded.SetValue("stale", 1, false);
    ASSERT_TRUE(loaded.LoadBoth(Path("ssn.sav").c_str(), Path("sse.sav").c_str()));
    EXPECT_EQ(loaded.GetValue("stale", -1), -1);
    EXPECT_EQ(loaded.GetValue("money", 0), 777);
    EXPECT_TRUE(loaded.FindEntry("money")->guarded);
    EXPECT_EQ(loaded.GetValue(longest.c_str(), 0), -5);
    EXPECT_EQ(loaded.GetValue("go_shop", 0), 1);
    loaded.SetValue("later", 2, true);  // the guarded counter carries on after the load
    EXPECT_EQ(loaded.FindEntry("later")->slot, 4u);
    EXPECT_EQ(loaded.GetValue("money", 0), 777);

    CQZSharedData separately;
    separately.SetFileKey(GameKey());
    ASSERT_TRUE(separately.LoadPlain(Path("ssn.sav").c_str()));
    ASSERT_TRUE(separately.LoadGuarded(Path("sse.sav").c_str()));
    EXPECT_EQ(separately.entries().size(), loaded.entries().size() - 1);
    EXPECT_EQ(separately.GetValue("money", 0), 777);
}

TEST_F(SharedDataTest, EmptyStoreSavesANewlineAndLoadsEmpty) {
    ASSERT_TRUE(store.SavePlain(Path("ssn.sav").c_str()));
    EXPECT_EQ(ReadPayload(Path("ssn.sav")), Bytes{'\n'});
    Fill(store);
    EXPECT_TRUE(store.LoadPlain(Path("ssn.sav").c_str()));
    EXPECT_TRUE(store.entries().empty());
}

TEST_F(SharedDataTest, NoKeyTableNoFiles) {
    CQZSharedData keyless;
    EXPECT_FALSE(keyless.SavePlain(Path("ssn.sav").c_str()));
    EXPECT_FALSE(keyless.LoadPlain(Path("ssn.sav").c_str()));
    EXPECT_FALSE(keyless.SaveGuarded(Path("sse.sav").c_str()));
    EXPECT_FALSE(keyless.LoadGuarded(Path("sse.sav").c_str()));
}

// Every failed load must leave every value, money included, as it was.
TEST_F(SharedDataTest, FailedLoadsLeaveTheStoreUnchanged) {
    CQZSharedData source;
    source.SetFileKey(GameKey());
    Fill(source);
    ASSERT_TRUE(source.SavePlain(Path("good_ssn.sav").c_str()));
    ASSERT_TRUE(source.SaveGuarded(Path("good_sse.sav").c_str()));
    const Bytes good = FileBytes(Path("good_ssn.sav"));

    unsigned char other_key[30] = {1};
    CQZSharedData foreign;
    foreign.SetFileKey(other_key);
    Fill(foreign);
    ASSERT_TRUE(foreign.SavePlain(Path("foreign.sav").c_str()));
    SetFileBytes(Path("truncated.sav"), Bytes(good.begin(), good.end() - 10));
    const std::string name256(256, 'q');
    ASSERT_TRUE(WritePayload(Path("longname.sav"),
                             Concat({Text(name256 + ","), {0, 0, 0, 0, '\n', 1, 0, 0, 0}})));
    ASSERT_TRUE(
        WritePayload(Path("badslot.sav"), Concat({Text("a,"), {8, 0, 0, 0, '\n', 1, 0, 0, 0}})));
    ASSERT_TRUE(WritePayload(Path("noblock.sav"), Concat({Text("a,"), {0, 0, 0, 0, '\n', 1, 0}})));
    ASSERT_TRUE(WritePayload(Path("noend.sav"), Text("abc")));
    ASSERT_TRUE(WritePayload(Path("zero.sav"),
                             Concat({{'a', 0, 'b', ','}, {0, 0, 0, 0, '\n', 1, 0, 0, 0}})));
    ASSERT_TRUE(WritePayload(
        Path("twice.sav"),
        Concat({Text("a,"), {0, 0, 0, 0}, Text("a,"), {4, 0, 0, 0, '\n'}, Bytes(8, 0)})));
    ASSERT_TRUE(WritePayload(Path("gsize.sav"),
                             Concat({Text("m,"), {0, 0, 0, 0, '\n', 0xFF, 0xFF, 0xFF, 0xFF}})));
    ASSERT_TRUE(
        WritePayload(Path("gshort.sav"), Concat({Text("m,"), {0, 0, 0, 0, '\n', 0, 0, 0, 0}})));
    ASSERT_TRUE(WritePayload(Path("gclash.sav"),
                             Concat({Text("year,"), {0, 0, 0, 0, '\n', 4, 0, 0, 0, 1, 0, 0, 0}})));

    Fill(store);
    for (const char* bad : {"foreign.sav", "truncated.sav", "longname.sav", "badslot.sav",
                            "noblock.sav", "noend.sav", "twice.sav", "zero.sav", "missing.sav"}) {
        EXPECT_FALSE(store.LoadPlain(Path(bad).c_str())) << bad;
        ExpectFilled(store);
        EXPECT_FALSE(store.LoadBoth(Path(bad).c_str(), Path("good_sse.sav").c_str())) << bad;
        ExpectFilled(store);
    }
    for (const char* bad : {"foreign.sav", "truncated.sav", "longname.sav", "badslot.sav",
                            "gsize.sav", "gshort.sav", "gclash.sav", "missing.sav"}) {
        EXPECT_FALSE(store.LoadGuarded(Path(bad).c_str())) << bad;
        ExpectFilled(store);
        EXPECT_FALSE(store.LoadBoth(Path("good_ssn.sav").c_str(), Path(bad).c_str())) << bad;
        ExpectFilled(store);
    }
}

}  // namespace
}  // namespace data_test
