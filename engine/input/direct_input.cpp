#include "engine/input/direct_input.h"

#include "platform/platform.h"

CDirectInput::CDirectInput() = default;
CDirectInput::~CDirectInput() = default;

bool CDirectInput::Init(void* window_handle_address) {
    window_handle_address_ = window_handle_address;
    locked_ = 0;
    has_joystick_ = 0;
    return false;
}

void CDirectInput::Release() { has_joystick_ = 0; }

bool CDirectInput::Held(int button) const {
    const platform::Window* window = platform::Current().window;
    static constexpr int kFixedKeys[kButtons][2] = {
        {platform::vk::kUp, 0},       {platform::vk::kDown, 0},     {platform::vk::kLeft, 0},
        {platform::vk::kRight, 0},    {platform::vk::kNumpad1, platform::vk::kReturn},
        {platform::vk::kNumpad2, 0},  {platform::vk::kNumpad3, 0},  {platform::vk::kNumpad4, 0}};
    for (int key : kFixedKeys[button])
        if (key && window->IsKeyDown(key)) return true;
    return keys_[button] && window->IsKeyDown(keys_[button]);
}

bool CDirectInput::Update() {
    if (locked_) return false;
    static constexpr int kOrder[kButtons] = {3, 2, 1, 0, 4, 5, 6, 7};
    for (int button : kOrder) counters_[button] = Held(button) ? counters_[button] + 1 : 0;
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
    for (int i = 0; i < kButtons; ++i) saved_[i] = counters_[i];
    locked_ = 1;
    ClearAll();
}

void CDirectInput::Unlock() {
    locked_ = 0;
    for (int i = 0; i < kButtons; ++i) counters_[i] = saved_[i];
}
