// A slot whose files are not what a save leaves there: a named pipe in the place of one of
// them, or a file whose length word promises nearly 2 GiB and which really is that long.
// Continuing from it must neither hang nor hold the game: the title says "ロードできません"
// at once and stays.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "platform/common/desktop.h"
#include "platform/files.h"
#include "platform/virtual_keys.h"
#include "tests/support/named_pipe.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;
using testing_support::Utf8;

// The kind of the slot's file that is replaced: "scd", "ssn", "sse" or "ssi".
class UnreadableSlot : public ::testing::TestWithParam<const char*> {
protected:
    // A game saved to slot 0 and left for the title.
    void SetUp() override {
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
        ASSERT_TRUE(play.game().SaveGame(0));
        play.PressKey(platform::vk::kF2);
        ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
        path = play.data_folder() + "/dat/" + GetParam() + "00.sav";
        ASSERT_TRUE(platform::RemoveFile(path));
    }
    // Continues from slot 0; the real milliseconds that choosing the slot took.
    std::uint32_t ContinueFromTheSlot() {
        play.Press(kDecide);
        EXPECT_TRUE(play.Choose(u8"つづきから"));
        EXPECT_EQ(play.title().state(), CTitleComp::kSlotList);
        const std::uint32_t start = clock_.Milliseconds();
        play.Press(kDecide);
        return clock_.Milliseconds() - start;
    }
    // The player is told only that the slot cannot be loaded; the log says why, and which file.
    void ExpectRefusedAndTheTitleStays(const std::string& reason) {
        int reported = 0;
        for (const std::string& line : play.DebugLines())
            if (line.rfind("cannot load save slot 1: " + reason, 0) == 0 &&
                line.size() > path.size() &&
                line.compare(line.size() - path.size(), path.size(), path) == 0)
                ++reported;
        EXPECT_EQ(reported, 1);
        ASSERT_EQ(play.MessageBoxes().size(), 1u);
        EXPECT_EQ(play.MessageBoxes()[0].text, Utf8(u8"ロードできません"));
        play.Frames(100);
        EXPECT_STREQ(play.CurrentComponent(), CTitleComp::kName);
        EXPECT_EQ(play.title().state(), CTitleComp::kMainMenu);
    }

    PlayHarness play;
    std::string path;

private:
    platform::SystemClock clock_;
};

TEST_P(UnreadableSlot, ANamedPipeInAFilesPlaceIsRefusedWithoutWaitingOnIt) {
    testing_support::NamedPipe pipe(path);
    ASSERT_TRUE(pipe.made());
    ContinueFromTheSlot();
    EXPECT_EQ(pipe.readers_seen(), 0);
    ExpectRefusedAndTheTitleStays("damaged");
}

// Checking the digest of such a file alone would hold the game for many seconds.
TEST_P(UnreadableSlot, AFileThatReallyHoldsTheNearly2GiBItsLengthWordPromisesIsRefusedAtOnce) {
    constexpr std::uint32_t kPromised = 0x7FFFFF00;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    const unsigned char header[8] = {kPromised & 0xFF,
                                     (kPromised >> 8) & 0xFF,
                                     (kPromised >> 16) & 0xFF,
                                     kPromised >> 24,
                                     0,
                                     0,
                                     0,
                                     0};
    ASSERT_EQ(::write(fd, header, sizeof header), 8);
    // Sparse: the holes take no room on the disk and read as zeros.
    ASSERT_EQ(::ftruncate(fd, 8 + static_cast<off_t>(kPromised)), 0);
    ::close(fd);
    EXPECT_LT(ContinueFromTheSlot(), 3000u);
    ExpectRefusedAndTheTitleStays("too large");
}

INSTANTIATE_TEST_SUITE_P(EachFileOfTheSlot, UnreadableSlot,
                         ::testing::Values("scd", "ssn", "sse", "ssi"));

}  // namespace
