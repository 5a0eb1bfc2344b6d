#include "game/shell/game_folder.h"

#include "engine/common/game_path.h"
#include "engine/common/sjis.h"
#include "game/data/data_files.h"
#include "platform/platform.h"

namespace {

constexpr const char* kDataFolder = "dat";
constexpr const char* kResourceFolder = "res";
constexpr const char* kDataFiles[] = {kRecipeFileName, kBonusFileName};

// What the player can do about it: the commands the README gives.
constexpr const char* kHowToMake =
    "ゲームのフォルダを作るには、ソースのフォルダで ./build.sh play を実行してください。\n"
    "インストールしたゲームなら、そのあと cmake --install build でインストールし直してください。";

constexpr const char* kNoJapaneseFont =
    "日本語のフォントがありません (fontconfig の知るフォントに、日本語を表示できるものが一つも"
    "ありません)。\n"
    "sudo apt-get install fonts-ipafont-gothic fonts-ipafont-mincho でインストールしてください。";

}  // namespace

std::vector<std::string> MissingGameFiles() {
    const platform::Folders& folders = platform::Current().folders;
    const std::string& game = folders.game;
    if (!game.empty() && !platform::IsDirectory(game)) {
        // Each place looked in, so that a game run from its build folder is not sent to look
        // only where an installed one would be.
        std::vector<std::string> missing;
        for (const std::string& tried : folders.game_tried) missing.push_back(tried + "/dat");
        missing.push_back(game);
        return missing;
    }
    std::vector<std::string> missing;
    for (const char* folder : {kDataFolder, kResourceFolder}) {
        const std::string path = gamepath::Resolve(folder);
        if (!platform::IsDirectory(path)) missing.push_back(path);
    }
    if (!platform::IsDirectory(gamepath::Resolve(kDataFolder))) return missing;
    for (const char* file : kDataFiles) {
        const std::string path = gamepath::Resolve(file);
        if (!platform::FileExists(path)) missing.push_back(path);
    }
    return missing;
}

bool MissingJapaneseFont() {
    const platform::FontFiles& fonts = platform::Current().fonts;
    return fonts.required && fonts.mincho.empty() && fonts.gothic.empty();
}

bool CheckBeforeStart() {
    const std::vector<std::string> missing = MissingGameFiles();
    std::string text;
    if (!missing.empty()) {
        for (const std::string& path : missing) text += path + sjis::ToUtf8(" がありません") + "\n";
        text += sjis::ToUtf8(kHowToMake);
    }
    if (MissingJapaneseFont()) {
        if (!text.empty()) text += "\n\n";
        text += sjis::ToUtf8(kNoJapaneseFont);
    }
    if (text.empty()) return true;
    platform::Current().dialogs->ShowMessageBox(text, "Error");
    return false;
}
