#include "engine/framework/game_component.h"

#include "engine/framework/devices.h"

CQZGameComponent::CQZGameComponent()
    : graphics_(GetDirectGraphics()),
      sound_(GetDirectSound()),
      music_(GetDirectMusic()),
      input_(GetDirectInput()),
      mediator_(GetGameMediator()),
      mouse_(GetMouseEvent()) {}
