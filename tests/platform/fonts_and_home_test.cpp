// Where the desktop backend finds what the machine provides: the Japanese fonts through
// fontconfig, as every desktop program finds them, and the home folder also without $HOME.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/common/desktop.h"
#include "platform/common/font_face.h"
#include "tests/support/engine_world.h"

namespace {

using testing_support::TempFolder;
namespace fs = std::filesystem;

// A fontconfig setup that knows only the fonts in one folder.
class FontFolder {
public:
    FontFolder() {
        fs::create_directories(fonts());
        std::ofstream(config()) << "<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>" << fonts()
                                << "</dir>\n<cachedir>" << folder_.path()
                                << "/cache</cachedir>\n</fontconfig>\n";
    }
    std::string fonts() const { return folder_.path() + "/fonts"; }
    std::string config() const { return folder_.path() + "/fonts.conf"; }
    std::string Add(const std::string& file) const {
        const std::string link = fonts() + "/" + fs::path(file).filename().string();
        fs::create_symlink(file, link);
        return link;
    }

private:
    TempFolder folder_;
};

const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kIpaGothic = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf";
const char* const kIpaPGothic = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";
const char* const kIpaMincho = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf";

TEST(JapaneseFonts, FoundThroughFontconfigWhereverTheyAreAndOnlyWhenTheyCoverJapanese) {
    for (const char* file : {kDejaVu, kIpaGothic, kIpaPGothic, kIpaMincho})
        if (!fs::exists(file)) GTEST_SKIP() << file << " is not installed";

    FontFolder none;
    EXPECT_EQ(platform::FindJapaneseFonts(none.config()).gothic, "");

    FontFolder latin_only;
    latin_only.Add(kDejaVu);
    const platform::FontFiles latin = platform::FindJapaneseFonts(latin_only.config());
    EXPECT_EQ(latin.mincho, "");
    EXPECT_EQ(latin.gothic, "");

    // Any font that covers Japanese draws both faces when it is the only one.
    FontFolder one;
    one.Add(kDejaVu);
    const std::string gothic = one.Add(kIpaGothic);
    const platform::FontFiles only = platform::FindJapaneseFonts(one.config());
    EXPECT_EQ(only.gothic, gothic);
    EXPECT_EQ(only.mincho, gothic);

    // The packaged faces come first: the proportional Gothic and the Mincho.
    FontFolder packaged;
    packaged.Add(kIpaGothic);
    const std::string proportional = packaged.Add(kIpaPGothic);
    const std::string mincho = packaged.Add(kIpaMincho);
    const platform::FontFiles both = platform::FindJapaneseFonts(packaged.config());
    EXPECT_EQ(both.gothic, proportional);
    EXPECT_EQ(both.mincho, mincho);
}

TEST(HomeFolder, TakenFromHomeThenTheAccountThenTheWorkingFolderWithANotice) {
    struct Case {
        const char* what;
        const char* home;
        const char* account;
        std::string expected;
        bool guessed;
    };
    const Case cases[] = {
        {"HOME set", "/home/vem", "/home/account", "/home/vem", false},
        {"HOME unset", nullptr, "/home/account", "/home/account", false},
        {"HOME empty", "", "/home/account", "/home/account", false},
        {"no home at all", nullptr, nullptr, "/work/started/here", true},
        {"an account with an empty home", nullptr, "", "/work/started/here", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool guessed = !c.guessed;
        EXPECT_EQ(platform::ChooseHomeFolder(c.home, c.account, "/work/started/here", &guessed),
                  c.expected);
        EXPECT_EQ(guessed, c.guessed);
    }
}

TEST(HomeFolder, WithoutHomeTheFilesGoUnderTheAccountsHome) {
    const passwd* account = getpwuid(getuid());
    if (!account || !account->pw_dir || !*account->pw_dir) GTEST_SKIP() << "no account entry";
    const std::string account_home = account->pw_dir;
    auto saved = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto home = saved("HOME"), data = saved("XDG_DATA_HOME"),
               config = saved("XDG_CONFIG_HOME");
    unsetenv("HOME");
    unsetenv("XDG_DATA_HOME");
    unsetenv("XDG_CONFIG_HOME");
    const platform::Folders folders = platform::DiscoverFolders();
    if (home) setenv("HOME", home->c_str(), 1);
    if (data) setenv("XDG_DATA_HOME", data->c_str(), 1);
    if (config) setenv("XDG_CONFIG_HOME", config->c_str(), 1);
    EXPECT_EQ(folders.data, account_home + "/.local/share/vemu");
    EXPECT_EQ(folders.config, account_home + "/.config/vemu");
}

// Run from a folder without the game files, the installed folder is looked in next; the first
// place is kept so that a message can name both.
TEST(GameFolder, APlaceLookedInFirstIsKept) {
    const platform::Folders folders = platform::DiscoverFolders();
    const std::string exe = platform::ExecutableFolder();
    if (fs::is_directory(exe + "/dat")) GTEST_SKIP() << "the test runs from a game folder";
    ASSERT_EQ(folders.game_tried.size(), 1u);
    EXPECT_EQ(folders.game_tried[0], exe);
    EXPECT_NE(folders.game, exe);
}

}  // namespace
