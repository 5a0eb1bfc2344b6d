#include "game/shell/vemu_app.h"

#include "engine/common/sjis.h"
#include "game/shell/game_folder.h"

CVemuApp::CVemuApp() = default;

CVemuApp::~CVemuApp() {
    // The frame shuts the devices down before the runtime that owns them goes.
    frame_.reset();
}

bool CVemuApp::InitInstance() {
    document_.OnNewDocument();
    frame_ =
        std::make_unique<CMainFrame>(CMainFrame::Components{&logo_, {&game_, &title_, &ending_}});
    frame_->PreCreateWindow();
    platform::Window* window = platform::Current().window;
    window->Show();
    window->SetTitle(sjis::ToUtf8(kTitle));
    return true;
}

int CVemuApp::Run() {
    platform::Window* window = platform::Current().window;
    // Without its folders and data files the game could only bury the player in a message box
    // per missing picture, and without a Japanese font draw boxes; the check names what is
    // missing in one.
    if (!CheckBeforeStart() || !frame_->StartGame()) frame_->FailStart();
    platform::Message message;
    while (window->GetMessage(message)) frame_->OnMessage(message);
    return frame_->exit_code();
}
