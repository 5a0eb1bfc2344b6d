// The frame window's settings: integer values of the section "Vemu", read when the frame is
// built and written when the program quits.
#pragma once

namespace frame_settings {

constexpr const char* kSection = "Vemu";

struct Key {
    const char* name;
    int fallback;
};

// Read in this order when the frame is built.
constexpr Key kWave{"Wave", 1};
constexpr Key kMidi{"Midi", 1};
constexpr Key kX{"x", 0};
constexpr Key kY{"y", 0};
constexpr Key kWidth{"cx", 646};
constexpr Key kHeight{"cy", 524};
constexpr Key kButtons[4] = {
    {"button1", 'Z'}, {"button2", 'X'}, {"button3", 'C'}, {"button4", 'V'}};
// The direction keys are read but given to nothing: the arrows and the joystick steer.
constexpr Key kDirections[4] = {{"right", 'S'}, {"left", 'A'}, {"down", 'Z'}, {"up", 'W'}};
// Read at the end of the game start-up.
constexpr Key kMusicVolume{"bgm_vol", 100};
constexpr Key kSoundVolume{"sound_vol", 100};
// Written at quit, never read: the program always starts in a window.
constexpr const char* kWindowed = "Window";

}  // namespace frame_settings
