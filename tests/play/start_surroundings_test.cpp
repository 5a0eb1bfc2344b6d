// A start on a machine that lacks what the game needs around it: a display to show the window
// on, a font that draws Japanese. Each fails the start with one message that names what is
// missing, and a failure status, instead of a game that runs on unseen or draws boxes.
#include <gtest/gtest.h>

#include <string>

#include "game/shell/main_frame.h"
#include "platform/common/font_face.h"
#include "tests/support/play_harness.h"

namespace {

using namespace play_test;
using testing_support::TempFolder;
using testing_support::Utf8;

void ExpectAFailedStart(const PlayHarness& play) {
    EXPECT_TRUE(play.backend.window.QuitPosted());
    EXPECT_EQ(play.app().frame()->exit_code(), CMainFrame::kExitStartFailed);
    EXPECT_STREQ(play.CurrentComponent(), "");
}

TEST(StartSurroundings, AWindowThatShowsNothingFailsAsTheGraphicsStartDoes) {
    PlayHarness play(VEMU_GAME_DIR, [](platform::headless::HeadlessBackend& backend) {
        backend.window.SetHasDisplay(false);
    });
    play.Frames(200);
    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    EXPECT_EQ(play.MessageBoxes()[0].text, Utf8(u8"DirectGraphicsの初期化に失敗"));
    EXPECT_EQ(play.MessageBoxes()[0].caption, "Error");
    EXPECT_EQ(play.backend.window.PresentCount(), 0);
    ExpectAFailedStart(play);
}

TEST(StartSurroundings, WithoutAJapaneseFontTheStartNamesWhatIsMissingAndThePackage) {
    PlayHarness play(VEMU_GAME_DIR, [](platform::headless::HeadlessBackend& backend) {
        backend.services().fonts = {"", "", true};
    });
    play.Frames(200);
    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    const std::string& text = play.MessageBoxes()[0].text;
    EXPECT_NE(text.find(Utf8(u8"日本語のフォント")), std::string::npos) << text;
    EXPECT_NE(text.find("fonts-ipafont-gothic"), std::string::npos) << text;
    EXPECT_NE(text.find("fonts-ipafont-mincho"), std::string::npos) << text;
    ExpectAFailedStart(play);
}

TEST(StartSurroundings, AJapaneseFontFoundForAPlayerStartsTheGame) {
    const std::string gothic = platform::FindGothicFontFile();
    if (gothic.empty()) GTEST_SKIP() << "no Japanese font on this machine";
    PlayHarness play(VEMU_GAME_DIR, [&gothic](platform::headless::HeadlessBackend& backend) {
        backend.services().fonts = {"", gothic, true};
    });
    ASSERT_TRUE(play.RunUntilComponent(CTitleComp::kName));
    EXPECT_TRUE(play.MessageBoxes().empty());
}

// Run from the build folder without its game files, the installed game is looked for next:
// the message names both places, not only the last one looked in.
TEST(StartSurroundings, AMissingGameFolderNamesEachPlaceLookedIn) {
    TempFolder folder;
    const std::string build = folder.path() + "/build";
    const std::string installed = folder.path() + "/share/vemu";
    PlayHarness play(installed, [&](platform::headless::HeadlessBackend& backend) {
        backend.services().folders.game_tried = {build};
    });
    play.Frames(200);
    ASSERT_EQ(play.MessageBoxes().size(), 1u);
    const std::string& text = play.MessageBoxes()[0].text;
    const std::string lines = build + "/dat" + Utf8(u8" がありません") + "\n" + installed +
                              Utf8(u8" がありません") + "\n";
    EXPECT_EQ(text.substr(0, lines.size()), lines) << text;
    ExpectAFailedStart(play);
}

}  // namespace
