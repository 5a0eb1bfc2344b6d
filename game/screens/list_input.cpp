// What every list screen reads from the player besides its list: cancel, single buttons and the
// sort icons.
#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kRightMouse = 1;
constexpr int kSortOrders = 3;

}  // namespace

bool CVemuComp::ButtonPressed(int button) const { return input_->GetCount(button) == 1; }

bool CVemuComp::ListCancelled() const {
    return ButtonPressed(kButtonCancel) || mouse_->GetButton(kRightMouse) == 1;
}

bool CVemuComp::ListDecision(int& value) {
    RecallListCursor(&list_window_);
    if (ListCancelled()) {
        PopScreen();
        return false;
    }
    if (!handles_.list.IsDone() || screen_cursor_ < 0 || screen_cursor_ >= entry_count_ ||
        screen_cursor_ >= static_cast<int>(entries_.size()))
        return false;
    value = entries_[static_cast<std::size_t>(screen_cursor_)].value;
    return true;
}

bool CVemuComp::ApplySortIcons() {
    int& order = state_.align_type;
    const int before = order;
    for (int i = 0; i < kSortOrders; ++i)
        if (icons_[static_cast<std::size_t>(i)].IsPressed() && i != order) order = i;
    // Button 6 steps through the orders, as clicking the icons in turn does.
    if (ButtonPressed(kButton6)) {
        sounds_.switch_sound.Play(0, 0);
        order = (order + 1) % kSortOrders;
    }
    // A click on the icon already selected changes nothing, but it must not stay latched.
    for (int i = 0; i < kSortOrders; ++i)
        icons_[static_cast<std::size_t>(i)].SetPressed(i == order);
    if (order == before) return false;
    ReplaceScreen(screen_id_);
    return true;
}
