// The application object: owns the engine runtime, the game's components and the frame
// window, builds them in order and tears them down in reverse, and runs the message loop.
#pragma once

#include <memory>

#include "engine/framework/engine_runtime.h"
#include "game/ending/ending_component.h"
#include "game/logo/logo_component.h"
#include "game/main/vemu_comp.h"
#include "game/shell/main_frame.h"
#include "game/shell/vemu_doc.h"
#include "game/title/title_component.h"
#include "script/script_runtime.h"

class CVemuApp {
public:
    static constexpr const char* kTitle = "ヴェムのぜるば堂";

    // The platform backend must be installed before the application is built.
    CVemuApp();
    ~CVemuApp();
    CVemuApp(const CVemuApp&) = delete;
    CVemuApp& operator=(const CVemuApp&) = delete;

    // Builds the frame window (which reads the settings), places it, shows it and titles it.
    bool InitInstance();
    // Checks the game folder and starts the game, then dispatches messages until the quit
    // message; returns the exit code, not 0 when the start failed.
    int Run();

    CMainFrame* frame() { return frame_.get(); }
    EngineRuntime& runtime() { return runtime_; }

private:
    EngineRuntime runtime_;
    // The script machine and the field objects: built at start-up, called by nothing else.
    ScriptRuntime script_;
    // The game's components, registered by the frame.
    CLogoComp logo_;
    CVemuComp game_;
    CTitleComp title_;
    CEndingComp ending_;
    CVemuDoc document_;
    std::unique_ptr<CMainFrame> frame_;
};
