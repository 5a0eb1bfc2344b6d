#include <cstdio>

#include "game/shell/vemu_app.h"
#include "platform/sdl/sdl_backend.h"

int main() {
    platform::sdl::SdlBackend backend;
    if (!backend.Open(CMainFrame::kClientWidth, CMainFrame::kClientHeight)) return 1;
    backend.Install();
    CVemuApp app;
    if (!app.InitInstance()) return 1;
    return app.Run();
}
