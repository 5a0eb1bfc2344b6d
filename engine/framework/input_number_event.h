// Lets the player enter an integer between a minimum and a maximum digit by digit: a cursor
// stands on one decimal digit (or on the OK button), up and down add or take that digit's power
// of ten, left and right move the cursor.
#pragma once

#include <cstdint>

#include "engine/framework/game_event.h"

class DFont;
class DTexture;
class DWave;

class CInputNumberEvent : public CGameEvent {
public:
    static constexpr int kOkDigit = -1;

    CInputNumberEvent() = default;

    void Setup(int x, int y, int value);
    void SetRange(int maximum, int minimum);
    void EnableMouse(bool enabled) { mouse_enabled_ = enabled ? 1 : 0; }

    int GetValue() const { return value_; }
    bool IsCancelled() const { return cancelled_ != 0; }
    int GetDigit() const { return digit_; }
    int GetMaximum() const { return maximum_; }
    int GetMinimum() const { return minimum_; }

    void Update() override;
    void Draw() override;

    // 10 to the digit; 0 for the OK button, which steps nothing.
    static std::int64_t PowerOfTen(int digit);
    // The whole part of log10(n), 0 for n below 10 (a maximum of 0 or less included).
    static int HighestDigit(std::int64_t n);

    // Set directly by the owner.
    DTexture* background = nullptr;
    DTexture* up_arrow = nullptr;
    DTexture* down_arrow = nullptr;
    DWave* cursor_sound = nullptr;
    DFont* font = nullptr;

private:
    void PlayCursor();
    void StepValue(int direction);
    void Mouse();
    void DrawMarks();

    int x_ = 0, y_ = 0;
    int value_ = 0;
    int digit_ = 0;
    int minimum_ = 0;
    int maximum_ = 0x0FFFFFFF;
    unsigned char cancelled_ = 0;
    unsigned char mouse_enabled_ = 0;
};
