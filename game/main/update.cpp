#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/rules/money.h"

void CVemuComp::Update() {
    UpdatePortraitFade();
    view_.CountFrame();
    if (window_kind_ == kChoiceWindow) RecallListCursor(&choice_window_);
    // The gauge cannot show more than the maximum; drawing only reads the state.
    if (static_cast<float>(state_.max_stamina) < state_.stamina)
        state_.stamina = static_cast<float>(state_.max_stamina);
    screens_.Update();
    ::EaseShownMoney(state_);
    // Last, so that the frame's animation steps from what the frame shows.
    view_.Animate();
}

void CVemuComp::UpdatePortraitFade() {
    if (portrait_fade_ == 0) return;
    if (++portrait_fade_ <= 25) return;
    portrait_fade_ = 0;
    if (portrait_handle_) portrait_handle_->Signal();
}
