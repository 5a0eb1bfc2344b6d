// Lets the player enter an integer between a minimum and a maximum digit by digit: a cursor
// stands on one decimal digit (or on the OK button), up and down add or take that digit's power
// of ten, left and right move the cursor.
#pragma once

#include <cstdint>
#include <string>

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
    // What the entered quantity comes to: trunc(value x price x factor) and the unit, drawn
    // beside the count; ClearTotal draws none.
    void SetTotal(int unit_price, float factor, const char* unit);
    void ClearTotal() { has_total_ = 0; }
    bool HasTotal() const { return has_total_ != 0; }
    std::int64_t Total() const;
    // Keeps the entry, its board and its step marks inside this area: a position that would
    // leave it is moved just far enough in (from Setup and SetRange on). The whole screen
    // until set.
    void SetArea(int left, int top, int right, int bottom);
    int GetX() const { return x_; }
    int GetY() const { return y_; }

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
    // The digits' and the OK button's colours, and that of the one under the cursor.
    unsigned text_color = 0xFF000000;
    unsigned cursor_color = 0xFF0000FF;

private:
    void PlayCursor();
    void StepValue(int direction);
    void Mouse();
    void DrawMarks();
    void DrawBoard();
    // The board's left and right edges for the current position and maximum.
    int BoardLeft() const;
    int BoardRight() const;
    int TotalRight() const;
    std::string TotalText(std::int64_t total) const;
    int MeasureText(const std::string& text) const;
    void Place();

    int x_ = 0, y_ = 0;
    // Where the owner asked for the entry; Place keeps it inside the area.
    int wanted_x_ = 0, wanted_y_ = 0;
    int area_left_ = 0, area_top_ = 0, area_right_ = 640, area_bottom_ = 480;
    int total_price_ = 0;
    float total_factor_ = 1.0f;
    std::string total_unit_;
    unsigned char has_total_ = 0;
    unsigned char has_area_ = 0;
    int value_ = 0;
    int digit_ = 0;
    int minimum_ = 0;
    int maximum_ = 0x0FFFFFFF;
    unsigned char cancelled_ = 0;
    unsigned char mouse_enabled_ = 0;
};
