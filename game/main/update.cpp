#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/rules/money.h"

void CVemuComp::Update() {
    UpdatePortraitFade();
    ++frame_counter_;
    if (window_kind_ == kChoiceWindow) RecallListCursor(&choice_window_);
    // The gauge cannot show more than the maximum; drawing only reads the state.
    if (static_cast<float>(world_.state.max_stamina) < world_.state.stamina)
        world_.state.stamina = static_cast<float>(world_.state.max_stamina);
    screens_.Update();
    ::EaseShownMoney(world_.state);
}

void CVemuComp::UpdatePortraitFade() {
    if (portrait_fade_ == 0) return;
    if (++portrait_fade_ <= 25) return;
    portrait_fade_ = 0;
    if (portrait_handle_) portrait_handle_->Signal();
}
