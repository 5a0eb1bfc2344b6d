#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <cstdio>

#include "platform/common/desktop.h"
#include "platform/common/font_face.h"
#include "platform/common/ini_settings.h"
#include "platform/common/thread_timers.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_joystick.h"
#include "platform/sdl/sdl_window.h"

namespace platform::sdl {

namespace {
class SdlDialogs : public Dialogs {
public:
    explicit SdlDialogs(SdlWindow& window) : window_(window) {}
    // Every message also goes to stderr: the log of a player who started the game from a
    // console, and the only place it can be read when no window can show it.
    void ShowMessageBox(const std::string& text, const std::string& caption) override {
        std::fprintf(stderr, "vemu: %s: %s\n", caption.c_str(), text.c_str());
        if (window_.HasDisplay())
            SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(),
                                     window_.handle());
    }
    void Beep() override {}

private:
    SdlWindow& window_;
};
}  // namespace

struct SdlBackend::Parts {
    Folders folders = DiscoverFolders();
    SdlWindow window;
    ThreadTimers timers;
    SystemClock clock;
    IniSettings settings{folders.config + "/vemu.ini"};
    SdlDialogs dialogs{window};
    XdgShell shell;
    StderrDebugSink debug;
    SdlAudioDevice audio;
    SdlJoystick joystick;
};

SdlBackend::SdlBackend() = default;

SdlBackend::~SdlBackend() {
    if (installed_) platform::Install(nullptr);
    parts_.reset();
    if (SDL_WasInit(0)) SDL_Quit();
}

bool SdlBackend::Open(int client_width, int client_height) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "vemu: cannot start SDL: %s\n", SDL_GetError());
        return false;
    }
    parts_ = std::make_unique<Parts>();
    if (!parts_->window.Create(client_width, client_height)) return false;
    services_.window = &parts_->window;
    services_.timers = &parts_->timers;
    services_.clock = &parts_->clock;
    services_.settings = &parts_->settings;
    services_.dialogs = &parts_->dialogs;
    services_.shell = &parts_->shell;
    services_.debug = &parts_->debug;
    services_.audio = &parts_->audio;
    services_.joystick = &parts_->joystick;
    services_.folders = parts_->folders;
    services_.fonts = FindJapaneseFonts();
    services_.fonts.required = true;
    return true;
}

void SdlBackend::Install() {
    platform::Install(&services_);
    installed_ = true;
}

}  // namespace platform::sdl
