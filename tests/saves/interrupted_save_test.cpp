#include "tests/saves/saves_fixture.h"

namespace saves_test {
namespace {

// A save that fails anywhere before its files are in place leaves the previous save whole.
class InterruptedSaveTest : public SavesTest {
protected:
    InterruptedSaveTest() {
        FillRichGame(previous);
        EXPECT_TRUE(Save(kSlot, previous));
        previous_text = Describe(previous);
        previous_bytes = SlotBytes(kSlot);
        listing = SaveFolderFiles();
        // The sizes of the next save's files, in the order they are written.
        Game next;
        FillRichGame(next, 1);
        EXPECT_TRUE(Save(kProbeSlot, next));
        const SlotFiles probe = SlotFileNames(kProbeSlot);
        for (const std::string* name : {&probe.scd, &probe.ssn, &probe.sse, &probe.ssi})
            next_sizes.push_back(Bytes(*name).size());
        listing = SaveFolderFiles();
    }

    // Saves a changed game with the switch set, then checks the slot is the previous save.
    template <typename Arm>
    void ExpectSaveKeepsThePrevious(Arm arm) {
        Game next;
        FillRichGame(next, 1);
        arm(faults());
        EXPECT_FALSE(Save(kSlot, next));
        faults().Reset();
        EXPECT_EQ(SlotBytes(kSlot), previous_bytes);
        EXPECT_EQ(SaveFolderFiles(), listing);  // no temporary file left
        Game loaded;
        ASSERT_TRUE(Load(kSlot, loaded));
        EXPECT_EQ(Describe(loaded), previous_text);
    }
    platform::headless::ScriptedFileFaults& faults() { return world.backend.file_faults; }

    static constexpr int kSlot = 6;
    static constexpr int kProbeSlot = 7;
    Game previous;
    std::string previous_text;
    std::map<std::string, std::vector<std::uint8_t>> previous_bytes;
    std::vector<std::string> listing;
    std::vector<std::size_t> next_sizes;
};

TEST_F(InterruptedSaveTest, AWriteThatFailsPartWayThroughAnyFileKeepsThePreviousSave) {
    std::uint64_t before = 0;
    for (std::size_t file = 0; file < next_sizes.size(); ++file) {
        const std::size_t size = next_sizes[file];
        for (std::size_t at : {std::size_t{0}, std::size_t{1}, size / 2, size - 1}) {
            SCOPED_TRACE("file " + std::to_string(file) + " after " + std::to_string(at));
            ExpectSaveKeepsThePrevious([&](auto& f) { f.FailWritesAfter(before + at); });
        }
        before += size;
    }
}

TEST_F(InterruptedSaveTest, AFailedFlushOfAnyFileKeepsThePreviousSave) {
    for (int file = 0; file < 4; ++file) {
        SCOPED_TRACE(file);
        ExpectSaveKeepsThePrevious([&](auto& f) { f.FailFlush(file); });
    }
}

TEST_F(InterruptedSaveTest, AFailedRenameKeepsThePreviousSave) {
    // The first rename of all (a file into its temporary name), and the first into the slot.
    for (int rename : {0, 4}) {
        SCOPED_TRACE(rename);
        ExpectSaveKeepsThePrevious([&](auto& f) { f.FailRename(rename); });
    }
}

TEST_F(InterruptedSaveTest, EveryFileIsOnTheDiskBeforeTheSealNamesItAndTheSealBeforeSuccess) {
    Game next;
    FillRichGame(next, 1);
    faults().Reset();
    ASSERT_TRUE(Save(kSlot, next));
    // Each of the four: created under a temporary name, written, flushed and renamed to wait;
    // the folder synced; the seal the same way and the folder synced again, and only then the
    // four renamed into place.
    const std::string file = "cwfr";
    EXPECT_EQ(faults().trace, file + file + file + file + "s" + file + "s" + "rrrr" + "s");
}

}  // namespace
}  // namespace saves_test
