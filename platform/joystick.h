// The first attached game controller, read as axes and buttons.
#pragma once

namespace platform {

struct JoystickState {
    // Axes scaled to -1000 .. 1000.
    int x = 0, y = 0, z = 0;
    bool buttons[4] = {false, false, false, false};
};

class Joystick {
public:
    virtual ~Joystick() = default;
    // Opens the first controller, if any. Controllers plugged in later are picked up by Read.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    // False while no controller is attached.
    virtual bool Read(JoystickState& out) = 0;
};

}  // namespace platform
