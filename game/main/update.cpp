#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/rules/money.h"

void CVemuComp::Update() {
    stage_.Update();
    view_.CountFrame();
    // The gauge cannot show more than the maximum; drawing only reads the state.
    if (static_cast<float>(world_.state.max_stamina) < world_.state.stamina)
        world_.state.stamina = static_cast<float>(world_.state.max_stamina);
    screens_.Update();
    ::EaseShownMoney(world_.state);
    // Last, so that the frame's animation steps from what the frame shows.
    view_.Animate();
}
