#include "engine/framework/engine_runtime.h"

#include <cstdio>
#include <cstdlib>

#include "engine/sound/sound_devices.h"

namespace {
EngineRuntime* g_runtime = nullptr;

SoundDevices SoundDevicesOf(EngineRuntime* runtime) {
    if (!runtime) return {};
    return {&runtime->sound, &runtime->show};
}

// Set before the members are built, so that their constructors can reach the devices built
// before them (the mediator takes the graphics and input devices).
EngineRuntime* Announce(EngineRuntime* runtime) {
    EngineRuntime* previous = g_runtime;
    g_runtime = runtime;
    SetSoundDevices(SoundDevicesOf(runtime));
    return previous;
}

EngineRuntime& Live() {
    if (!g_runtime) {
        std::fputs("vemu: the engine runtime is not alive\n", stderr);
        std::abort();
    }
    return *g_runtime;
}
}  // namespace

EngineRuntime::EngineRuntime() : previous_(Announce(this)) {}

EngineRuntime::~EngineRuntime() {
    g_runtime = previous_;
    SetSoundDevices(SoundDevicesOf(previous_));
}

EngineRuntime* EngineRuntime::Current() { return g_runtime; }

CDirectGraphics* GetDirectGraphics() { return &Live().graphics; }
CDirectSound* GetDirectSound() { return &Live().sound; }
CDirectMusic* GetDirectMusic() { return &Live().music; }
CDirectShow* GetDirectShow() { return &Live().show; }
CDirectInput* GetDirectInput() { return &Live().input; }
CMouseEvent* GetMouseEvent() { return &Live().mouse; }
CQZGameMediator* GetGameMediator() { return &Live().mediator; }
