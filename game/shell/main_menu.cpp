#include "game/shell/main_menu.h"

#include "engine/common/sjis.h"

namespace main_menu {

std::vector<platform::MenuItem> Build() {
    auto item = [](const char* cp932, int command) {
        return platform::MenuItem{sjis::ToUtf8(cp932), command, {}};
    };
    platform::MenuItem other = item("その他(&H)", 0);
    other.children = {item("マニュアル(&R)", kManual), platform::MenuItem{},
                      item("製品のページ(&P)", kProductPage), item("作者のページ(&W)", kMakerPage),
                      item("バージョン情報(&A)", kAbout)};
    return {item("F1 終了(&X)", kQuit), item("F2 リセット(&R)", kReset),
            item("F3 全画面(&F)", kFullScreen), other};
}

}  // namespace main_menu
