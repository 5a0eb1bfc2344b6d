// A save cut short at any call that changes the disk, killed there or failing there with an I/O
// error, and the slot loaded after it: always the previous game or the new one whole, never
// parts of both, and a save that says it failed always leaves the previous game.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include "engine/common/game_path.h"
#include "game/saves/state_keys.h"
#include "tests/saves/saves_fixture.h"

namespace saves_test {
namespace {

enum class Cut { kKill, kError };
// What the slot holds before the save.
enum class Before { kSave, kSaveWithoutSeal, kNothing };

const char* Name(Cut cut) { return cut == Cut::kKill ? "killed" : "I/O error"; }
const char* Name(Before before) {
    return before == Before::kSave              ? "a save"
           : before == Before::kSaveWithoutSeal ? "four files without a seal"
                                                : "nothing";
}

class CutShortSaveTest : public SavesTest {
protected:
    static constexpr int kSlot = 2;
    using Folder = std::map<std::string, std::vector<std::uint8_t>>;

    std::string FolderPath() { return data.path() + "/dat"; }
    Folder TakeFolder() {
        Folder folder;
        for (const std::string& name : SaveFolderFiles()) folder[name] = Bytes("dat/" + name);
        return folder;
    }
    // Written directly, past the file layer, so that it leaves nothing of its own behind.
    void PutFolder(const Folder& folder) {
        std::filesystem::remove_all(FolderPath());
        std::filesystem::create_directories(FolderPath());
        for (const auto& [name, bytes] : folder)
            std::ofstream(FolderPath() + "/" + name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
    }

    // A game as it loads: with the state keys a save copies into its store.
    std::string Described(Game& game) {
        SaveGameParts parts = Parts(game);
        WriteStateKeys(parts);
        return Describe(game);
    }
    // The slot with the previous game (or nothing) and the games the saves are to write.
    Folder Prepare(Before before) {
        PutFolder({});
        games.clear();
        if (before != Before::kNothing) {
            Game previous;
            FillRichGame(previous);
            EXPECT_TRUE(Save(kSlot, previous));
            games[Described(previous)] = "previous";
            if (before == Before::kSaveWithoutSeal) gamepath::Remove(SlotSealName(kSlot));
        }
        for (int seed : {1, 2}) {
            Game game;
            FillRichGame(game, seed);
            games[Described(game)] = seed == 1 ? "next" : "third";
        }
        return TakeFolder();
    }
    // Saves the game `seed` with the cut armed; true when the save said it was saved.
    bool SaveCut(int seed, Cut cut, int call) {
        Game game;
        FillRichGame(game, seed);  // the book is shared: it is set again for every save
        faults().Reset();
        if (cut == Cut::kKill)
            faults().KillAtCall(call);
        else
            faults().FailCall(call);
        const bool saved = Save(kSlot, game);
        calls_made = faults().calls;
        faults().Reset();
        return saved;
    }
    // How many calls a whole save makes from the folder as it is now.
    int CallsOfASave(int seed) {
        const Folder before = TakeFolder();
        SaveCut(seed, Cut::kError, -1);
        const int calls = calls_made;
        PutFolder(before);
        return calls;
    }
    // "previous", "next", "third", "none" when the slot is refused, or "a mix".
    std::string Loaded() {
        Game loaded;
        if (!Load(kSlot, loaded)) return "none";
        const auto found = games.find(Describe(loaded));
        return found == games.end() ? "a mix" : found->second;
    }
    // Whatever is in the save folder besides the slots' own files.
    std::vector<std::string> Leftovers() {
        static const std::regex own("(scd|ssn|sse|ssi|seal)[0-9][0-9]\\.sav");
        std::vector<std::string> names;
        for (const std::string& name : SaveFolderFiles())
            if (!std::regex_match(name, own)) names.push_back(name);
        return names;
    }
    platform::headless::ScriptedFileFaults& faults() { return world.backend.file_faults; }

    std::map<std::string, std::string> games;  // described game -> which it is
    int calls_made = 0;                        // by the last save
};

TEST_F(CutShortSaveTest, ASaveCutShortAtAnyCallLoadsAsTheOldGameOrTheNewOneNeverAMix) {
    for (Before before : {Before::kSave, Before::kSaveWithoutSeal, Before::kNothing}) {
        const std::string old = before == Before::kNothing ? "none" : "previous";
        for (Cut cut : {Cut::kKill, Cut::kError}) {
            const Folder start = Prepare(before);
            const int calls = CallsOfASave(1);
            bool took_effect = false;
            for (int call = 0; call <= calls; ++call) {
                SCOPED_TRACE(std::string(Name(before)) + ", " + Name(cut) + " at call " +
                             std::to_string(call));
                PutFolder(start);
                const bool saved = SaveCut(1, cut, call);
                const std::string loaded = Loaded();
                if (cut == Cut::kError) {
                    EXPECT_EQ(loaded, saved ? "next" : old);
                } else {
                    EXPECT_TRUE(loaded == old || loaded == "next") << loaded;
                    // A kill later than one that left the new game cannot leave the old one.
                    if (took_effect) {
                        EXPECT_EQ(loaded, "next");
                    }
                    took_effect |= loaded == "next";
                }
                // Whatever the save left behind is gone once the slot was loaded.
                EXPECT_EQ(Leftovers(), std::vector<std::string>{});
            }
            EXPECT_TRUE(took_effect || cut == Cut::kError);
        }
    }
}

// The next save finds what a killed save left and does not load the slot first: it must finish
// a save that had taken effect before it writes over that save's waiting files, and remove the
// rest, even when it is cut short itself.
TEST_F(CutShortSaveTest, TheSaveAfterAKilledOneFinishesOrDropsWhatThatOneLeft) {
    const Folder start = Prepare(Before::kSave);
    const int calls = CallsOfASave(1);
    std::vector<std::pair<Folder, std::string>> killed;  // the folder, and what it loads as
    for (int call = 0; call <= calls; ++call) {
        SCOPED_TRACE("first save killed at call " + std::to_string(call));
        PutFolder(start);
        SaveCut(1, Cut::kKill, call);
        const Folder after_kill = TakeFolder();
        const std::string first = Loaded();
        killed.emplace_back(after_kill, first);
        PutFolder(after_kill);
        EXPECT_TRUE(SaveCut(2, Cut::kError, -1));
        EXPECT_EQ(Loaded(), "third");
        EXPECT_EQ(Leftovers(), std::vector<std::string>{});
    }
    // Killed just after its seal, and with the first of its files in place: the second save cut
    // short anywhere as well.
    const auto effect =
        static_cast<std::size_t>(std::find_if(killed.begin(), killed.end(),
                                              [](const auto& k) { return k.second == "next"; }) -
                                 killed.begin());
    ASSERT_LT(effect, killed.size());
    for (std::size_t first = effect; first < killed.size() && first <= effect + 2; first += 2) {
        const Folder& left = killed[first].first;
        PutFolder(left);
        const int second_calls = CallsOfASave(2);
        for (Cut cut : {Cut::kKill, Cut::kError})
            for (int call = 0; call <= second_calls; ++call) {
                SCOPED_TRACE("first save killed at call " + std::to_string(first) + ", second " +
                             Name(cut) + " at call " + std::to_string(call));
                PutFolder(left);
                const bool saved = SaveCut(2, cut, call);
                const std::string loaded = Loaded();
                if (cut == Cut::kError)
                    EXPECT_EQ(loaded, saved ? "third" : "next");
                else
                    EXPECT_TRUE(loaded == "next" || loaded == "third") << loaded;
                EXPECT_EQ(Leftovers(), std::vector<std::string>{});
            }
    }
}

}  // namespace
}  // namespace saves_test
