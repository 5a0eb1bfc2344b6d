// Owns the engine's device objects, the mouse event and the mediator for the program's life:
// built in this order, destroyed in reverse, so no destructor ever reaches an object that is
// already gone. Exactly one runtime is alive at a time; the accessors of devices.h reach it.
#pragma once

#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/input/direct_input.h"
#include "engine/sound/direct_music.h"
#include "engine/sound/direct_show.h"
#include "engine/sound/direct_sound.h"

class EngineRuntime {
    // First member: announced before the devices are built (see the constructor).
    EngineRuntime* previous_;

public:
    EngineRuntime();
    ~EngineRuntime();
    EngineRuntime(const EngineRuntime&) = delete;
    EngineRuntime& operator=(const EngineRuntime&) = delete;

    static EngineRuntime* Current();

    CDirectGraphics graphics;
    CDirectSound sound;
    CDirectMusic music;
    CDirectShow show;
    CDirectInput input;
    CMouseEvent mouse;
    CQZGameMediator mediator;
};
