#include "engine/input/direct_input.h"

#include "platform/platform.h"

namespace {

// The fixed keys of each button beside its configured one.
constexpr int kFixedKeys[CDirectInput::kButtons][2] = {
    {platform::vk::kUp, 0},
    {platform::vk::kDown, 0},
    {platform::vk::kLeft, 0},
    {platform::vk::kRight, 0},
    {platform::vk::kNumpad1, platform::vk::kReturn},
    {platform::vk::kNumpad2, 0},
    {platform::vk::kNumpad3, 0},
    {platform::vk::kNumpad4, 0}};

// Buttons are polled in this order.
constexpr int kPollOrder[CDirectInput::kButtons] = {kButtonRight, kButtonLeft,   kButtonDown,
                                                    kButtonUp,    kButtonDecide, kButtonCancel,
                                                    kButton6,     kButton7};

platform::Joystick* LiveJoystick() {
    return platform::IsInstalled() ? platform::Current().joystick : nullptr;
}

}  // namespace

CDirectInput::CDirectInput() = default;
CDirectInput::~CDirectInput() = default;

bool CDirectInput::Init(void* window_handle_address) {
    window_handle_address_ = window_handle_address;
    started_ = true;
    joystick_ = {};
    platform::Joystick* joystick = LiveJoystick();
    has_joystick_ = joystick && joystick->Open() ? 1 : 0;
    return has_joystick_ != 0;
}

void CDirectInput::Release() {
    has_joystick_ = 0;
    joystick_ = {};
    if (platform::Joystick* joystick = LiveJoystick()) joystick->Close();
}

bool CDirectInput::Held(int button) const {
    const platform::Window* window = platform::IsInstalled() ? platform::Current().window : nullptr;
    switch (button) {
        case kButtonUp:
            if (joystick_.y < -kAxisThreshold) return true;
            break;
        case kButtonDown:
            if (joystick_.y > kAxisThreshold) return true;
            break;
        case kButtonLeft:
            if (joystick_.x < -kAxisThreshold) return true;
            break;
        case kButtonRight:
            if (joystick_.x > kAxisThreshold) return true;
            break;
        default:
            if (joystick_.buttons[button - kButtonDecide]) return true;
    }
    if (!window) return false;
    for (int key : kFixedKeys[button])
        if (key && window->IsKeyDown(key)) return true;
    return keys_[button] && window->IsKeyDown(keys_[button]);
}

bool CDirectInput::Update() {
    if (IsLocked()) return false;
    // A controller plugged in or pulled out is picked up here, in place of re-initialising.
    joystick_ = {};
    if (platform::Joystick* joystick = LiveJoystick())
        has_joystick_ = joystick->Read(joystick_) ? 1 : 0;
    if (!has_joystick_) joystick_ = {};
    for (int button : kPollOrder) counters_[button] = Held(button) ? counters_[button] + 1 : 0;
    return true;
}

int CDirectInput::GetCount(int button) const {
    return button >= 0 && button < kButtons ? counters_[button] : 0;
}
void CDirectInput::ClearCount(int button) {
    if (button >= 0 && button < kButtons) counters_[button] = 0;
}
void CDirectInput::AddCount(int button, int n) {
    if (button >= 0 && button < kButtons) counters_[button] += n;
}
void CDirectInput::ClearAll() {
    for (int& c : counters_) c = 0;
}
void CDirectInput::SetKey(int button, int virtual_key) {
    if (button >= 0 && button < kButtons) keys_[button] = virtual_key;
}

void CDirectInput::Lock() {
    // A second lock keeps the counters saved by the first: the zeros it would save instead
    // would turn a held button into a fresh press after the unlock.
    if (!fade_locked_)
        for (int i = 0; i < kButtons; ++i) saved_[i] = counters_[i];
    fade_locked_ = true;
    ClearAll();
}

void CDirectInput::Unlock() {
    if (!fade_locked_) return;
    fade_locked_ = false;
    for (int i = 0; i < kButtons; ++i) counters_[i] = saved_[i];
}
