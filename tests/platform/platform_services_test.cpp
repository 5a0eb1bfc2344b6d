// The platform layer's own services: settings, the C runtime generator, files, the manual clock.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/common/desktop.h"
#include "platform/common/ini_settings.h"
#include "platform/crt_random.h"
#include "platform/files.h"
#include "platform/headless/headless_backend.h"
#include "tests/support/engine_world.h"

namespace {

TEST(IniSettings, ParsesSectionsAndKeepsIntegers) {
    platform::IniSettings settings;
    settings.Parse("; comment\n[Vemu]\nx = 12\r\ncy=-3\nbad\n[Other]\nx=99\nname=ヴェム\n");
    EXPECT_EQ(settings.GetInt("Vemu", "x", 0), 12);
    EXPECT_EQ(settings.GetInt("Vemu", "cy", 0), -3);
    EXPECT_EQ(settings.GetInt("Other", "x", 0), 99);
    EXPECT_EQ(settings.GetInt("Vemu", "missing", 7), 7);
    EXPECT_EQ(settings.GetInt("Other", "name", 7), 0);  // unreadable numbers read as 0
    platform::IniSettings again;
    again.Parse(settings.Serialize());
    EXPECT_EQ(again.Serialize(), settings.Serialize());
}

TEST(IniSettings, WritesThroughToItsFile) {
    testing_support::TempFolder folder;
    const std::string path = folder.path() + "/deep/vemu.ini";
    {
        platform::IniSettings settings(path);
        EXPECT_TRUE(settings.WriteInt("Vemu", "bgm_vol", 40));
    }
    platform::IniSettings reread(path);
    EXPECT_EQ(reread.GetInt("Vemu", "bgm_vol", 100), 40);
}

TEST(CrtRandom, FollowsTheClassicSequence) {
    platform::CrtRandom random;  // unseeded: as after srand(1)
    const int first[] = {41, 18467, 6334, 26500, 19169};
    for (int expected : first) EXPECT_EQ(random.Next(), expected);
    random.Seed(12345);
    const int seeded[] = {7584, 19164, 25795};
    for (int expected : seeded) EXPECT_EQ(random.Next(), expected);
    for (int i = 0; i < 1000; ++i) {
        const int r = random.Next();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, platform::CrtRandom::kMax);
    }
}

TEST(AtomicFile, AFailedWriteKeepsThePreviousFile) {
    testing_support::TempFolder folder;
    const std::string path = folder.path() + "/slot.sav";
    ASSERT_TRUE(platform::WriteWholeFile(path, "old", 3));
    {
        auto file = platform::AtomicFile::Create(path);
        ASSERT_TRUE(file);
        file->Write("new, half written", 9);
        // Dropped without a commit, as when the writer meets an error.
    }
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "old");
    auto file = platform::AtomicFile::Create(path);
    file->Write("new", 3);
    EXPECT_TRUE(file->Commit());
    ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "new");
    EXPECT_FALSE(platform::AtomicFile::Create(folder.path() + "/no/such/folder/x"));
}

// The tests of interrupted saves stand on this: once the program is "killed", nothing more
// reaches the disk, not even the clean-up of the failure paths; a single failed call leaves
// the calls after it working.
TEST(ScriptedFileFaults, AKilledProgramChangesTheDiskNoFurtherAndAFailedCallOnlyItself) {
    struct Case {
        bool kill;
        int call;  // 0 create, 1 write, 2 flush, 3 rename, then the remove and the folder sync
        const char* slot;
        const char* leftover;  // the temporary file's contents, "-" when there is none
        bool other;            // the file to remove is still there
    };
    const Case cases[] = {
        {true, 0, "old", "-", true},         {true, 1, "old", "new ", true},
        {true, 2, "old", "new data!", true}, {true, 3, "old", "new data!", true},
        {true, 4, "new data!", "-", true},   {true, 5, "new data!", "-", false},
        {false, 1, "old", "-", false},       {false, 3, "old", "-", false},
        {false, 4, "new data!", "-", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kill ? "killed at " : "failing ") + std::to_string(c.call));
        testing_support::HeadlessBackendInstalled world;
        testing_support::TempFolder folder;
        const std::string slot = folder.path() + "/slot.sav";
        const std::string other = folder.path() + "/other.sav";
        ASSERT_TRUE(platform::WriteWholeFile(slot, "old", 3));
        ASSERT_TRUE(platform::WriteWholeFile(other, "x", 1));
        auto& faults = world.backend.file_faults;
        faults.Reset();
        if (c.kill)
            faults.KillAtCall(c.call);
        else
            faults.FailCall(c.call);
        const bool written = platform::WriteWholeFile(slot, "new data!", 9);
        platform::RemoveFile(other);
        platform::SyncFolder(folder.path());
        EXPECT_EQ(written, c.call > 3);
        faults.Reset();

        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(platform::ReadWholeFile(slot, bytes));
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.slot);
        EXPECT_EQ(platform::FileExists(other), c.other);
        std::string leftover = "-";
        for (const std::string& name : platform::FolderEntries(folder.path()))
            if (name.starts_with("slot.sav.tmp")) {
                ASSERT_TRUE(platform::ReadWholeFile(folder.path() + "/" + name, bytes));
                leftover.assign(bytes.begin(), bytes.end());
            }
        EXPECT_EQ(leftover, c.leftover);
    }
}

TEST(Folders, ListAndSync) {
    testing_support::TempFolder folder;
    ASSERT_TRUE(platform::WriteWholeFile(folder.path() + "/a.sav", "a", 1));
    ASSERT_TRUE(platform::MakeDirectories(folder.path() + "/sub"));
    std::vector<std::string> names = platform::FolderEntries(folder.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.sav", "sub"}));
    EXPECT_TRUE(platform::FolderEntries(folder.path() + "/none").empty());
    EXPECT_TRUE(platform::SyncFolder(folder.path()));
    EXPECT_FALSE(platform::SyncFolder(folder.path() + "/none"));
    EXPECT_FALSE(platform::SyncFolder(folder.path() + "/a.sav"));
}

TEST(ManualClock, FiresTimersInDeadlineOrder) {
    platform::headless::HeadlessBackend backend;
    std::vector<int> fired;
    const unsigned slow = backend.timers.SetEvent(100, [&] { fired.push_back(100); });
    backend.timers.SetEvent(20, [&] { fired.push_back(20); });
    backend.clock.Advance(100);
    EXPECT_EQ(fired, (std::vector<int>{20, 20, 20, 20, 20, 100}));
    EXPECT_EQ(backend.clock.Milliseconds(), 100u);
    backend.timers.KillEvent(slow);
    fired.clear();
    backend.clock.Advance(100);
    EXPECT_EQ(fired.size(), 5u);
}

TEST(HeadlessBackend, AnInnerBackendGivesTheOuterOneBack) {
    platform::headless::HeadlessBackend outer;
    outer.Install();
    {
        platform::headless::HeadlessBackend inner;
        inner.Install();
        EXPECT_EQ(platform::Current().window, &inner.window);
    }
    ASSERT_TRUE(platform::IsInstalled());
    EXPECT_EQ(platform::Current().window, &outer.window);
}

// Ends a test handler that wrote its pid to the file, and reaps it.
void EndHandler(const std::string& pid_file) {
    pid_t pid = 0;
    for (int tries = 0; tries < 500 && pid <= 0; ++tries) {
        std::vector<std::uint8_t> bytes;
        if (platform::ReadWholeFile(pid_file, bytes) && !bytes.empty() && bytes.back() == '\n')
            pid = static_cast<pid_t>(std::atoi(std::string(bytes.begin(), bytes.end()).c_str()));
        else
            usleep(10000);
    }
    ASSERT_GT(pid, 0) << "the handler left no pid";
    EXPECT_EQ(kill(pid, SIGKILL), 0);
    waitpid(pid, nullptr, 0);
}

// xdg-open's exit status is the verdict, but one that keeps running (it runs the handler itself
// when there is no desktop session) must not hold the window thread.
// The frame reads the keys and buttons once per poll; what was pressed since the poll before
// reads as down for that one poll, even when it is up again, and never longer.
TEST(HeadlessWindow, APressSinceTheLastPollReadsAsDownForThatPollOnly) {
    platform::headless::HeadlessWindow window;
    const int enter = platform::vk::kReturn;
    window.HoldKey(enter, true);
    window.HoldKey(enter, false);
    window.HoldMouseButton(1, true);
    window.HoldMouseButton(1, false);
    EXPECT_FALSE(window.IsKeyDown(enter));  // the tap belongs to the next poll
    window.BeginInputPoll();
    EXPECT_TRUE(window.IsKeyDown(enter));
    EXPECT_TRUE(window.IsKeyDown(enter));  // every read of the poll agrees
    EXPECT_TRUE(window.IsMouseButtonDown(1));
    EXPECT_FALSE(window.IsMouseButtonDown(0));
    EXPECT_FALSE(window.IsKeyDown(platform::vk::kUp));
    window.BeginInputPoll();
    EXPECT_FALSE(window.IsKeyDown(enter));
    EXPECT_FALSE(window.IsMouseButtonDown(1));

    // Held across polls, it reads as down while held and up once let go before the next.
    window.HoldKey(enter, true);
    window.BeginInputPoll();
    EXPECT_TRUE(window.IsKeyDown(enter));
    window.BeginInputPoll();
    EXPECT_TRUE(window.IsKeyDown(enter));
    window.HoldKey(enter, false);
    window.BeginInputPoll();
    EXPECT_FALSE(window.IsKeyDown(enter));
}

TEST(XdgShell, ReportsTheHandlersVerdictWithoutWaitingForItToClose) {
    testing_support::TempFolder folder;
    const char* old_path = std::getenv("PATH");
    const std::string saved = old_path ? old_path : "";
    setenv("PATH", (folder.path() + ":/usr/bin:/bin").c_str(), 1);
    // The quick handlers get a long wait, so a loaded machine cannot turn their verdict into a
    // timeout; the handler that keeps running gets a short one. It leaves its pid behind, so the
    // test can end it once checked rather than leave it holding the test's output for 30 s.
    const std::string pid_file = folder.path() + "/handler.pid";
    const std::string lasting = "echo $$ > '" + pid_file + "'\nexec sleep 30";
    struct Case {
        std::string body;
        bool opened;
        int wait_ms;
        bool keeps_running;
    } cases[] = {{"exit 0", true, 10000, false},
                 {"exit 3", false, 10000, false},
                 {lasting, true, 300, true}};
    platform::SystemClock clock;
    for (const Case& c : cases) {
        const std::string script = "#!/bin/sh\n" + c.body + "\n";
        ASSERT_TRUE(
            platform::WriteWholeFile(folder.path() + "/xdg-open", script.data(), script.size()));
        chmod((folder.path() + "/xdg-open").c_str(), 0755);
        const std::uint32_t start = clock.Milliseconds();
        platform::XdgShell shell(c.wait_ms);
        EXPECT_EQ(shell.Open("manual/index.html"), c.opened) << c.body;
        EXPECT_LT(clock.Milliseconds() - start, static_cast<std::uint32_t>(c.wait_ms) + 2000u)
            << c.body;
        if (c.keeps_running) EndHandler(pid_file);
    }
    setenv("PATH", saved.c_str(), 1);
}

}  // namespace
