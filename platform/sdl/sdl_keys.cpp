#include "platform/sdl/sdl_keys.h"

#include "platform/virtual_keys.h"

namespace platform::sdl {

namespace {

struct KeyPair {
    SDL_Scancode code;
    int vk;
};

// Letters and digits follow from their ASCII codes and are added in Table().
constexpr KeyPair kFixed[] = {
    {SDL_SCANCODE_BACKSPACE, vk::kBack},
    {SDL_SCANCODE_TAB, vk::kTab},
    {SDL_SCANCODE_RETURN, vk::kReturn},
    {SDL_SCANCODE_KP_ENTER, vk::kReturn},
    {SDL_SCANCODE_LSHIFT, vk::kShift},
    {SDL_SCANCODE_RSHIFT, vk::kShift},
    {SDL_SCANCODE_LCTRL, vk::kControl},
    {SDL_SCANCODE_RCTRL, vk::kControl},
    {SDL_SCANCODE_LALT, vk::kMenu},
    {SDL_SCANCODE_RALT, vk::kMenu},
    {SDL_SCANCODE_ESCAPE, vk::kEscape},
    {SDL_SCANCODE_SPACE, vk::kSpace},
    {SDL_SCANCODE_LEFT, vk::kLeft},
    {SDL_SCANCODE_UP, vk::kUp},
    {SDL_SCANCODE_RIGHT, vk::kRight},
    {SDL_SCANCODE_DOWN, vk::kDown},
    {SDL_SCANCODE_KP_0, vk::kNumpad0},
    {SDL_SCANCODE_KP_1, vk::kNumpad1},
    {SDL_SCANCODE_KP_2, vk::kNumpad2},
    {SDL_SCANCODE_KP_3, vk::kNumpad3},
    {SDL_SCANCODE_KP_4, vk::kNumpad4},
    {SDL_SCANCODE_KP_5, 0x65},
    {SDL_SCANCODE_KP_6, 0x66},
    {SDL_SCANCODE_KP_7, 0x67},
    {SDL_SCANCODE_KP_8, 0x68},
    {SDL_SCANCODE_KP_9, 0x69},
    {SDL_SCANCODE_F1, vk::kF1},
    {SDL_SCANCODE_F2, vk::kF2},
    {SDL_SCANCODE_F3, vk::kF3},
    {SDL_SCANCODE_F4, vk::kF4},
    {SDL_SCANCODE_F5, 0x74},
    {SDL_SCANCODE_F6, 0x75},
    {SDL_SCANCODE_F7, 0x76},
    {SDL_SCANCODE_F8, 0x77},
    {SDL_SCANCODE_F9, 0x78},
    {SDL_SCANCODE_F10, 0x79},
    {SDL_SCANCODE_F11, 0x7A},
    {SDL_SCANCODE_F12, 0x7B},
};

const std::vector<KeyPair>& Table() {
    static const std::vector<KeyPair> table = [] {
        std::vector<KeyPair> t(std::begin(kFixed), std::end(kFixed));
        for (int i = 0; i < 26; ++i)
            t.push_back({static_cast<SDL_Scancode>(SDL_SCANCODE_A + i), 'A' + i});
        // SDL numbers the digit row 1..9 then 0.
        for (int i = 0; i < 9; ++i)
            t.push_back({static_cast<SDL_Scancode>(SDL_SCANCODE_1 + i), '1' + i});
        t.push_back({SDL_SCANCODE_0, '0'});
        return t;
    }();
    return table;
}

}  // namespace

int VirtualKeyFromScancode(SDL_Scancode code) {
    for (const KeyPair& pair : Table())
        if (pair.code == code) return pair.vk;
    return 0;
}

std::vector<SDL_Scancode> ScancodesForVirtualKey(int virtual_key) {
    std::vector<SDL_Scancode> out;
    for (const KeyPair& pair : Table())
        if (pair.vk == virtual_key) out.push_back(pair.code);
    return out;
}

}  // namespace platform::sdl
