// Win32 virtual-key codes: the settings file stores keys in this numbering, so every backend
// translates its own key codes into it.
#pragma once

namespace platform::vk {

constexpr int kBack = 0x08;
constexpr int kTab = 0x09;
constexpr int kReturn = 0x0D;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kMenu = 0x12;  // Alt
constexpr int kEscape = 0x1B;
constexpr int kSpace = 0x20;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' are 0x41..0x5A, as their ASCII codes.
constexpr int kNumpad0 = 0x60;
constexpr int kNumpad1 = 0x61;
constexpr int kNumpad2 = 0x62;
constexpr int kNumpad3 = 0x63;
constexpr int kNumpad4 = 0x64;
constexpr int kF1 = 0x70;
constexpr int kF2 = 0x71;
constexpr int kF3 = 0x72;
constexpr int kF4 = 0x73;
// The mouse buttons in GetAsyncKeyState's numbering.
constexpr int kLButton = 0x01;
constexpr int kRButton = 0x02;

}  // namespace platform::vk
