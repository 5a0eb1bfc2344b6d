// Only plain files are read or written: a named pipe, a device or a folder where a file is
// expected is refused at once instead of holding the program, and the settings file is read
// only up to a size no settings file of the game comes near.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/common/ini_settings.h"
#include "platform/files.h"
#include "platform/sdl/sdl_backend.h"
#include "tests/support/engine_world.h"
#include "tests/support/named_pipe.h"

namespace {

using testing_support::NamedPipe;
using testing_support::TempFolder;

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        had_ = std::getenv(name) != nullptr;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (had_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(FileKinds, OnlyAPlainFileOpensAndNothingElseIsWaitedOn) {
    TempFolder folder;
    const std::string pipe_path = folder.path() + "/pipe.sav";
    NamedPipe pipe(pipe_path);
    ASSERT_TRUE(pipe.made());
    ASSERT_TRUE(platform::MakeDirectories(folder.path() + "/folder.sav"));
    const std::string plain = folder.path() + "/plain.sav";
    ASSERT_TRUE(platform::WriteWholeFile(plain, "abc", 3));

    struct Case {
        const char* what;
        std::string path;
        bool opens;
    } cases[] = {{"a named pipe", pipe_path, false},
                 {"a folder", folder.path() + "/folder.sav", false},
                 {"a device", "/dev/null", false},
                 {"a plain file", plain, true}};
    for (const Case& c : cases) {
        for (auto mode : {platform::File::Mode::Read, platform::File::Mode::Write}) {
            SCOPED_TRACE(std::string(c.what) +
                         (mode == platform::File::Mode::Read ? ", read" : ", write"));
            auto file = platform::File::Open(c.path, mode);
            EXPECT_EQ(file != nullptr, c.opens);
        }
    }
    EXPECT_EQ(pipe.readers_seen(), 0);
    std::vector<std::uint8_t> bytes;
    EXPECT_FALSE(platform::ReadWholeFile(pipe_path, bytes));
    EXPECT_EQ(pipe.readers_seen(), 0);
}

TEST(FileKinds, AWholeFileIsReadOnlyUpToTheLimitGiven) {
    TempFolder folder;
    const std::string path = folder.path() + "/ten";
    ASSERT_TRUE(platform::WriteWholeFile(path, "0123456789", 10));
    std::vector<std::uint8_t> bytes = {'x'};
    EXPECT_FALSE(platform::ReadWholeFile(path, bytes, 9));
    EXPECT_EQ(bytes, std::vector<std::uint8_t>{'x'});
    ASSERT_TRUE(platform::ReadWholeFile(path, bytes, 10));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "0123456789");
}

// What the game reads at start, before its window opens.
TEST(SettingsFile, ANamedPipeInItsPlaceHoldsUpNoStartAndIsReplacedByTheFirstWrite) {
    TempFolder config;
    ASSERT_TRUE(platform::MakeDirectories(config.path() + "/vemu"));
    const std::string path = config.path() + "/vemu/vemu.ini";
    NamedPipe pipe(path);
    ASSERT_TRUE(pipe.made());
    ScopedEnvironment home("XDG_CONFIG_HOME", config.path());
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    {
        platform::sdl::SdlBackend backend;
        if (!backend.Open(640, 480)) GTEST_SKIP() << "no SDL video";
        EXPECT_EQ(pipe.readers_seen(), 0);
        platform::Settings& settings = *backend.services().settings;
        EXPECT_EQ(settings.GetInt("Vemu", "bgm_vol", 100), 100);
        EXPECT_TRUE(settings.WriteInt("Vemu", "bgm_vol", 40));
    }
    EXPECT_EQ(pipe.readers_seen(), 0);
    EXPECT_TRUE(platform::FileExists(path));
    EXPECT_EQ(platform::IniSettings(path).GetInt("Vemu", "bgm_vol", 100), 40);
}

TEST(SettingsFile, AFileBeyondTheLimitIsNotReadAndOneAtItIs) {
    TempFolder folder;
    const std::string path = folder.path() + "/vemu.ini";
    const std::string head = "[Vemu]\nbgm_vol=40\n";
    for (const std::size_t size :
         {platform::IniSettings::kMaxFileBytes, platform::IniSettings::kMaxFileBytes + 1}) {
        SCOPED_TRACE(size);
        std::string text = head;
        while (text.size() < size)
            text += std::string(std::min<std::size_t>(99, size - text.size() - 1), ';') + "\n";
        ASSERT_EQ(text.size(), size);
        ASSERT_TRUE(platform::WriteWholeFile(path, text.data(), text.size()));
        const int expected = size <= platform::IniSettings::kMaxFileBytes ? 40 : 100;
        EXPECT_EQ(platform::IniSettings(path).GetInt("Vemu", "bgm_vol", 100), expected);
    }
}

// A settings file the game cannot read is the player's still: the first write moves it aside
// whole, says so, and only then puts the new file in its place. One the game reads is replaced
// as ever, and one that was never there leaves nothing aside.
TEST(SettingsFile, AFileTheGameCannotReadIsMovedAsideBeforeTheNewOneIsWritten) {
    struct Case {
        const char* what;
        std::string bytes;  // the file's contents; "/" for a folder in its place
        bool moved_aside;
    };
    const std::string readable = "[Vemu]\nbgm_vol=40\n";
    const Case cases[] = {
        {"beyond the limit", readable + std::string(platform::IniSettings::kMaxFileBytes, ';'),
         true},
        {"binary", std::string("[Vemu]\nbgm_vol=40\n\0\x01\xFF\x7F", 22), true},
        {"a folder", "/", true},
        {"readable", readable, false},
        {"missing", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::HeadlessBackendInstalled world;
        TempFolder folder;
        const std::string path = folder.path() + "/vemu.ini";
        const std::string aside = path + ".bad";
        if (c.bytes == "/")
            ASSERT_TRUE(platform::MakeDirectories(path + "/inside"));
        else if (!c.bytes.empty())
            ASSERT_TRUE(platform::WriteWholeFile(path, c.bytes.data(), c.bytes.size()));

        platform::IniSettings settings(path);
        EXPECT_EQ(settings.GetInt("Vemu", "bgm_vol", 100),
                  c.moved_aside || c.bytes.empty() ? 100 : 40);
        EXPECT_TRUE(settings.WriteInt("Vemu", "sound_vol", 70));
        EXPECT_TRUE(settings.WriteInt("Vemu", "Midi", 1));

        EXPECT_EQ(platform::IniSettings(path).GetInt("Vemu", "sound_vol", 0), 70);
        const auto& lines = world.backend.debug.lines;
        if (!c.moved_aside) {
            EXPECT_FALSE(std::filesystem::exists(aside));
            EXPECT_TRUE(lines.empty());
            continue;
        }
        if (c.bytes == "/") {
            EXPECT_TRUE(platform::IsDirectory(aside + "/inside"));
        } else {
            std::vector<std::uint8_t> kept;
            ASSERT_TRUE(platform::ReadWholeFile(aside, kept));
            EXPECT_EQ(std::string(kept.begin(), kept.end()), c.bytes);
        }
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_NE(lines[0].find(path), std::string::npos) << lines[0];
        EXPECT_NE(lines[0].find(aside), std::string::npos) << lines[0];
    }
}

}  // namespace
