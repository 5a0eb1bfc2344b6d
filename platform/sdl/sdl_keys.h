// SDL scancodes in the Win32 virtual-key numbering that the settings and the frame use.
#pragma once

#include <SDL.h>

#include <vector>

namespace platform::sdl {

// 0 when the key has no virtual-key code.
int VirtualKeyFromScancode(SDL_Scancode code);
// Every scancode that reads as this virtual key (Enter: the main and the keypad Enter).
std::vector<SDL_Scancode> ScancodesForVirtualKey(int virtual_key);

}  // namespace platform::sdl
