#include "engine/common/game_path.h"
#include "engine/data/qz_file.h"
#include "game/data/file_key.h"
#include "game/food/food_records.h"
#include "game/saves/scd_file.h"
#include "tests/saves/saves_fixture.h"

namespace saves_test {
namespace {

class DamagedSlotTest : public SavesTest {
protected:
    // Writes an scd file by hand; `body` writes what follows the version.
    template <typename Body>
    void WriteScdFile(int slot, int version, Body body) {
        CQZFile file;
        ASSERT_TRUE(
            file.Open(SlotFileNames(slot).scd.c_str(), CQZFile::kWrite, vemu::kFileKey.data()));
        file.WriteInt(version);
        body(file);
        file.Close();
        ASSERT_EQ(file.Result(), 0);
    }
    static void WriteCounts(CQZFile& file, int first, int second) {
        file.WriteInt(first);
        file.WriteInt(second);
    }
    static void WriteEquipment(CQZFile& file, const char* names[kEquipSlotCount]) {
        for (int i = 0; i < kEquipSlotCount; ++i) file.WriteString(names[i]);
    }
    // The other three files of a slot, from a plain game. Without the seal, the slot is four
    // files as a save wrote them before seals, so the scd file written by hand is taken as it is.
    void SaveStoreAndBag(int slot) {
        Game plain;
        plain.values.SetValue("money", 800, true);
        ASSERT_TRUE(Save(slot, plain));
        ASSERT_TRUE(gamepath::Remove(SlotSealName(slot)));
    }
};

TEST_F(DamagedSlotTest, AnOlderFileWithoutFamiliarityLoadsWithEveryFamiliarityZero) {
    SaveStoreAndBag(0);
    omelette->familiarity = 40.0f;
    WriteScdFile(0, kScdVersionWithoutFamiliarity, [&](CQZFile& f) {
        WriteCounts(f, 1, 1);
        WriteFoodRecord(f, *Food::FromDef(egg));
        WriteCounts(f, 0, 0);
        WriteCounts(f, 2, 2);
        for (const char* name : {"トマト", "オムレツ"}) {
            f.WriteString(name);
            f.WriteBool(true);
            f.WriteBool(false);
            f.WriteBool(true);
            f.WriteBool(false);
        }
        const char* worn[kEquipSlotCount] = {"", "", "", "", "", "", "", ""};
        WriteEquipment(f, worn);
    });
    Game game;
    ASSERT_TRUE(Load(0, game));
    ASSERT_EQ(game.kitchen.player_pantry.size(), 1u);
    EXPECT_EQ(game.kitchen.player_pantry[0]->def, egg);
    EXPECT_EQ(tomato->known, 1);
    EXPECT_EQ(tomato->mastered, 1);
    EXPECT_EQ(omelette->known, 1);
    EXPECT_EQ(omelette->familiarity, 0.0f);
    EXPECT_EQ(tomato->familiarity, 0.0f);
    EXPECT_EQ(game.state.money, 800);
}

TEST_F(DamagedSlotTest, UnequalCountsReadNoneOfTheirListAndEmptyNamesLeaveEverySlotEmpty) {
    SaveStoreAndBag(1);
    WriteScdFile(1, kScdVersion, [&](CQZFile& f) {
        WriteCounts(f, 1, 2);  // the pantry: no records follow
        WriteCounts(f, 3, 0);  // the menu
        WriteCounts(f, 0, 0);
        const char* worn[kEquipSlotCount] = {"", "", "", "", "", "", "", ""};
        WriteEquipment(f, worn);
    });
    Game game;
    FillRichGame(game);
    ASSERT_TRUE(Load(1, game));
    EXPECT_TRUE(game.kitchen.player_pantry.empty());
    EXPECT_TRUE(game.kitchen.menu.empty());
    for (const auto& item : game.state.equipped) EXPECT_EQ(item, nullptr);
}

TEST_F(DamagedSlotTest, WhatTheGameDoesNotKnowIsDroppedWithADebugLine) {
    SaveStoreAndBag(2);
    FoodDef* gone = Entry("幻の実", "果物");
    auto stranger = Food::FromDef(gone);
    WriteScdFile(2, kScdVersion, [&](CQZFile& f) {
        WriteCounts(f, 2, 2);
        WriteFoodRecord(f, *stranger);
        WriteFoodRecord(f, *Food::FromDef(tomato));
        WriteCounts(f, 0, 0);
        WriteCounts(f, 2, 2);
        for (const char* name : {"幻の料理", "オムレツ"}) {
            f.WriteString(name);
            f.WriteBool(true);
            f.WriteBool(false);
            f.WriteBool(false);
            f.WriteInt(0);
            f.WriteBool(true);
            WriteFoodRecord(f, *stranger);
        }
        const char* worn[kEquipSlotCount] = {"伝説の前掛け", "", "", "", "", "", "", "アクセル"};
        WriteEquipment(f, worn);
    });
    // The entry is gone from the catalogue by the time the slot is loaded.
    GlobalFoodCatalogue().erase(std::find_if(GlobalFoodCatalogue().begin(),
                                             GlobalFoodCatalogue().end(),
                                             [&](const auto& def) { return def.get() == gone; }));

    Game game;
    book.recipes[2]->last_result = Food::FromDef(omelette);
    ASSERT_TRUE(Load(2, game));
    ASSERT_EQ(game.kitchen.player_pantry.size(), 1u);
    EXPECT_EQ(game.kitchen.player_pantry[0]->def, tomato);
    EXPECT_EQ(omelette->known, 1);
    EXPECT_EQ(book.recipes[2]->last_result, nullptr);
    // Slot 4 comes first in the file, slot 3 last.
    ASSERT_NE(game.state.equipped[3], nullptr);
    EXPECT_STREQ(game.state.equipped[3]->name, "アクセル");
    EXPECT_EQ(game.state.equipped[4], nullptr);
    EXPECT_EQ(DebugLinesWith("a pantry food naming an unknown food"), 1);
    EXPECT_EQ(DebugLinesWith("unknown recipe-book entry"), 1);
    EXPECT_EQ(DebugLinesWith("the last dish of"), 2);
    EXPECT_EQ(DebugLinesWith("unknown worn item"), 1);
}

TEST_F(DamagedSlotTest, ABrokenRecordOrACountTheFileCannotHoldRefusesTheSlot) {
    SaveStoreAndBag(3);
    struct Case {
        const char* what;
        std::function<void(CQZFile&)> body;
    };
    const Case cases[] = {
        {"a food record cut short",
         [](CQZFile& f) {
             WriteCounts(f, 1, 1);
             f.WriteString("トマト");
         }},
        {"a pantry count beyond the file",
         [](CQZFile& f) {
             WriteCounts(f, 100000, 100000);
             WriteCounts(f, 0, 0);
         }},
        {"no equipment",
         [](CQZFile& f) {
             WriteCounts(f, 0, 0);
             WriteCounts(f, 0, 0);
             WriteCounts(f, 0, 0);
         }},
        {"bytes after the equipment",
         [](CQZFile& f) {
             WriteCounts(f, 0, 0);
             WriteCounts(f, 0, 0);
             WriteCounts(f, 0, 0);
             const char* worn[kEquipSlotCount] = {"", "", "", "", "", "", "", ""};
             WriteEquipment(f, worn);
             f.WriteInt(1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteScdFile(3, kScdVersion, c.body);
        Game game;
        FillRichGame(game);
        const std::string before = Describe(game);
        EXPECT_FALSE(Load(3, game));
        EXPECT_EQ(Describe(game), before);
    }
}

// With its seal and without it (a slot of four files from before seals), so that the files' own
// checks are tried as well as the seal's.
TEST_F(DamagedSlotTest, AMissingCutOrChangedFileRefusesTheWholeSlotAndChangesNothing) {
    for (const bool sealed : {true, false}) {
        SCOPED_TRACE(sealed ? "sealed" : "without a seal");
        Game saved;
        FillRichGame(saved);
        ASSERT_TRUE(Save(5, saved));
        if (!sealed) {
            ASSERT_TRUE(gamepath::Remove(SlotSealName(5)));
        }
        const auto good = SlotBytes(5);
        for (const auto& [name, bytes] : good) {
            const std::size_t size = bytes.size();
            std::vector<std::pair<std::string, std::vector<std::uint8_t>>> damages;
            damages.push_back({"missing", {}});
            for (std::size_t cut : {std::size_t{0}, std::size_t{8}, size / 2, size - 1})
                damages.push_back({"cut at " + std::to_string(cut),
                                   std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + cut)});
            for (std::size_t at : {std::size_t{0}, std::size_t{8}, size / 2, size - 40, size - 1}) {
                auto flipped = bytes;
                flipped[at] ^= 0x01;
                damages.push_back({"flipped at " + std::to_string(at), flipped});
            }
            for (const auto& [what, damaged] : damages) {
                SCOPED_TRACE(name + " " + what);
                if (what == "missing")
                    gamepath::Remove(name);
                else
                    WriteBytes(name, damaged);
                Game game;
                FillRichGame(game, 1);
                const std::string before = Describe(game);
                EXPECT_FALSE(Load(5, game));
                EXPECT_EQ(Describe(game), before);
                for (const auto& [other, other_bytes] : good)
                    if (other != name) {
                        EXPECT_EQ(Bytes(other), other_bytes) << other;
                    }
                WriteBytes(name, bytes);
            }
        }
        Game game;
        ASSERT_TRUE(Load(5, game));
    }
}

// Each file of a slot belongs to one save: the same kind of file from another slot, or from an
// earlier save of this slot, makes the slot refused as a damaged one is, and changes nothing.
TEST_F(DamagedSlotTest, AFileFromAnotherSlotOrAnEarlierSaveOfThisOneIsRefused) {
    const auto all_files = [&](int slot) {
        std::vector<std::string> names;
        const SlotFiles files = SlotFileNames(slot);
        for (const std::string* name : files.all()) names.push_back(*name);
        names.push_back(SlotSealName(slot));
        return names;
    };
    const auto bytes_of = [&](int slot) {
        std::vector<std::vector<std::uint8_t>> bytes;
        for (const std::string& name : all_files(slot)) bytes.push_back(Bytes(name));
        return bytes;
    };
    Game game;
    FillRichGame(game, 2);
    ASSERT_TRUE(Save(4, game));
    const auto earlier = bytes_of(4);
    FillRichGame(game, 1);
    ASSERT_TRUE(Save(3, game));
    const auto elsewhere = bytes_of(3);
    FillRichGame(game);
    ASSERT_TRUE(Save(4, game));
    const std::string saved = Describe(game);
    const auto current = bytes_of(4);
    const std::vector<std::string> names = all_files(4);

    for (std::size_t file = 0; file < names.size(); ++file)
        for (const auto* from : {&earlier, &elsewhere}) {
            SCOPED_TRACE(names[file] + (from == &earlier ? " of the earlier save" : " of slot 3"));
            WriteBytes(names[file], (*from)[file]);
            Game loaded;
            FillRichGame(loaded, 3);
            const std::string before = Describe(loaded);
            EXPECT_FALSE(Load(4, loaded));
            EXPECT_EQ(Describe(loaded), before);
            WriteBytes(names[file], current[file]);
        }
    Game loaded;
    ASSERT_TRUE(Load(4, loaded));
    EXPECT_EQ(Describe(loaded), saved);
}

}  // namespace
}  // namespace saves_test
