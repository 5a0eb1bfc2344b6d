// Why a save or a load failed, as the log says it: the reason and the file's path. And a seal
// file far larger than any seal, which a save must neither read whole nor put back.
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "engine/common/game_path.h"
#include "platform/files.h"
#include "tests/saves/saves_fixture.h"

namespace saves_test {
namespace {

class SlotFailureTest : public SavesTest {
protected:
    platform::headless::ScriptedFileFaults& faults() { return world.backend.file_faults; }
    // The one line that reports the slot's failure; empty when there is none.
    std::string Reported(const std::string& start) {
        std::string found;
        for (const std::string& line : world.backend.debug.lines)
            if (line.rfind(start, 0) == 0) {
                EXPECT_TRUE(found.empty()) << "reported twice: " << line;
                found = line;
            }
        return found;
    }
    static bool EndsWith(const std::string& text, const std::string& end) {
        return text.size() >= end.size() &&
               text.compare(text.size() - end.size(), end.size(), end) == 0;
    }
};

// A sealed save's files in the order a save writes them: scd, ssn, sse, ssi, each created,
// written, flushed and renamed to wait ("cwfr"), the folder synced, then the seal the same way
// and the folder synced again: the folder sync that commits the seal is call 21.
constexpr int kSealSyncCall = 4 * 4 + 1 + 4;

TEST_F(SlotFailureTest, ASealFileOf64GiBIsNeitherReadWholeNorPutBackAndTheNextSaveStands) {
    for (const bool sync_fails : {false, true}) {
        SCOPED_TRACE(sync_fails ? "the seal's folder sync fails" : "all goes well");
        Game first;
        FillRichGame(first);
        ASSERT_TRUE(Save(3, first));
        // Sparse: the file takes no room, and a reader sees 64 GiB of zeros after the seal.
        ASSERT_EQ(::truncate(gamepath::Resolve(SlotSealName(3)).c_str(), 64ll << 30), 0);
        Game loaded;
        ASSERT_TRUE(Load(3, loaded));  // what follows the seal is not part of it

        Game next;
        FillRichGame(next, 1);
        faults().Reset();
        if (sync_fails) faults().FailCall(kSealSyncCall);
        ASSERT_EQ(faults().trace, "");
        EXPECT_TRUE(Save(3, next));
        faults().Reset();
        Game back;
        ASSERT_TRUE(Load(3, back));
        EXPECT_EQ(Describe(back), Describe(next));
        EXPECT_LT(Bytes(SlotSealName(3)).size(), 4096u);
    }
}

TEST_F(SlotFailureTest, AFailedSaveNamesWhyAndTheFile) {
    struct Case {
        const char* what;
        std::function<void(platform::headless::ScriptedFileFaults&)> arm;
        const char* reason;
        std::string file;
    };
    const SlotFiles waiting = SlotTemporaryNames(1);
    const Case cases[] = {
        {"a full disk", [](auto& f) { f.FailWritesAfter(0); }, "no room on the disk", waiting.scd},
        {"a folder the player may not write in", [](auto& f) { f.FailCall(0, EACCES); },
         "no permission", waiting.scd},
        {"a flush that fails", [](auto& f) { f.FailFlush(1); }, "I/O error", waiting.ssn},
        {"a seal that cannot be written", [](auto& f) { f.FailCall(4 * 4 + 1 + 1, ENOSPC); },
         "no room on the disk", SlotSealName(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        world.backend.debug.lines.clear();
        Game game;
        FillRichGame(game);
        c.arm(faults());
        EXPECT_FALSE(Save(1, game));
        faults().Reset();
        const std::string line = Reported("cannot save into save slot 2: ");
        EXPECT_NE(line.find(std::string(": ") + c.reason), std::string::npos) << line;
        EXPECT_TRUE(EndsWith(line, ": " + gamepath::Resolve(c.file))) << line;
    }
}

TEST_F(SlotFailureTest, ARefusedSlotNamesWhyAndTheFile) {
    Game other;
    FillRichGame(other, 1);
    ASSERT_TRUE(Save(2, other));
    const SlotFiles files = SlotFileNames(4), elsewhere = SlotFileNames(2);
    struct Case {
        const char* what;
        std::function<void()> damage;
        const char* reason;
        std::string file;
    };
    const auto flip = [&](const std::string& name, std::size_t at) {
        auto bytes = Bytes(name);
        bytes[at] ^= 0x01;
        WriteBytes(name, bytes);
    };
    const Case cases[] = {
        {"a file removed", [&] { ASSERT_TRUE(gamepath::Remove(files.ssi)); }, "missing", files.ssi},
        {"a byte changed", [&] { flip(files.sse, Bytes(files.sse).size() / 2); }, "damaged",
         files.sse},
        {"a byte of the seal changed", [&] { flip(SlotSealName(4), 40); }, "damaged",
         SlotSealName(4)},
        {"a folder in a file's place",
         [&] {
             ASSERT_TRUE(gamepath::Remove(files.ssn));
             ASSERT_TRUE(platform::MakeDirectories(gamepath::Resolve(files.ssn)));
         },
         "damaged", files.ssn},
        {"the file of another slot", [&] { WriteBytes(files.ssn, Bytes(elsewhere.ssn)); },
         "from another save", files.ssn},
        {"a length word past what the kind holds",
         [&] {
             auto bytes = Bytes(files.scd);
             bytes[3] = 0x7F;
             WriteBytes(files.scd, bytes);
         },
         "too large", files.scd},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game saved;
        FillRichGame(saved);
        ASSERT_TRUE(Save(4, saved));
        c.damage();
        world.backend.debug.lines.clear();
        Game game;
        EXPECT_FALSE(Load(4, game));
        const std::string line = Reported("cannot load save slot 5: ");
        EXPECT_NE(line.find(std::string(": ") + c.reason), std::string::npos) << line;
        EXPECT_TRUE(EndsWith(line, ": " + gamepath::Resolve(c.file))) << line;
        std::filesystem::remove_all(gamepath::Resolve(c.file));
    }
}

}  // namespace
}  // namespace saves_test
