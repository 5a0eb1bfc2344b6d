#include "engine/framework/input_number_event.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/framework/devices.h"
#include "engine/framework/key_repeat.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/font.h"
#include "engine/graphics/texture.h"
#include "engine/input/direct_input.h"
#include "engine/sound/wave.h"

namespace {

constexpr unsigned kTextFormat = DT_WORDBREAK | DT_EXPANDTABS;
constexpr int kDigitPitch = 10;

// The board and what stands on it, from the entry's position: the board's top, the step marks'
// reach above and below it (grown to their largest), and the total's label and right edge.
constexpr int kBoardTop = -10;
constexpr int kMarksTop = -20, kMarksBottom = 40;
constexpr int kBoardLeft = 5;
constexpr int kBoardRightWithoutTotal = 104;
constexpr int kTotalLabelX = 120;
constexpr int kTotalGap = 10;
constexpr int kBoardEndPad = 12;
// The ends of the board picture, kept whole when it is stretched or cut to the board's width.
constexpr int kBoardCap = 18;

}  // namespace

std::int64_t CInputNumberEvent::PowerOfTen(int digit) {
    if (digit < 0) return 0;
    std::int64_t p = 1;
    // Past 10^18 the value no longer matters: it exceeds every int range.
    for (int i = 0; i < digit && i < 18; ++i) p *= 10;
    return p;
}

int CInputNumberEvent::HighestDigit(std::int64_t n) {
    int d = 0;
    for (; n >= 10; n /= 10) ++d;
    return d;
}

void CInputNumberEvent::Setup(int x, int y, int value) {
    wanted_x_ = x;
    wanted_y_ = y;
    value_ = value;
    digit_ = 0;
    cancelled_ = 0;
    Place();
}

void CInputNumberEvent::SetRange(int maximum, int minimum) {
    maximum_ = maximum;
    minimum_ = minimum;
    Place();
}

void CInputNumberEvent::SetTotal(int unit_price, float factor, const char* unit) {
    total_price_ = unit_price;
    total_factor_ = factor;
    total_unit_ = unit ? unit : "";
    has_total_ = 1;
}

std::int64_t CInputNumberEvent::Total() const {
    return static_cast<std::int64_t>(std::trunc(static_cast<double>(value_) * total_price_ *
                                                static_cast<double>(total_factor_)));
}

void CInputNumberEvent::SetArea(int left, int top, int right, int bottom) {
    area_left_ = left;
    area_top_ = top;
    area_right_ = right;
    area_bottom_ = bottom;
    has_area_ = 1;
    Place();
}

int CInputNumberEvent::BoardLeft() const {
    // Room for every digit the maximum can have, and for the step marks over the highest.
    const int highest = HighestDigit(maximum_);
    return std::min(x_ + kBoardLeft, x_ + 28 - kDigitPitch * highest);
}

std::string CInputNumberEvent::TotalText(std::int64_t total) const {
    char text[64];
    std::snprintf(text, sizeof text, "%" PRId64 " %s", total, total_unit_.c_str());
    return text;
}

int CInputNumberEvent::MeasureText(const std::string& text) const {
    CDirectGraphics* graphics = GetDirectGraphics();
    if (graphics) return graphics->TextWidth(text, font);
    // Without a device, a cell of half the font's height per byte.
    return static_cast<int>(text.size()) * (font ? font->GetHeight() : 20) / 2;
}

int CInputNumberEvent::TotalRight() const {
    // Wide enough for the total of the most that can be entered.
    const std::int64_t most = static_cast<std::int64_t>(
        std::trunc(static_cast<double>(maximum_) * total_price_ * total_factor_));
    return x_ + kTotalLabelX + MeasureText("合計") + kTotalGap +
           std::max(MeasureText(TotalText(most)), MeasureText(TotalText(Total())));
}

int CInputNumberEvent::BoardRight() const {
    return has_total_ ? TotalRight() + kBoardEndPad : x_ + kBoardRightWithoutTotal;
}

void CInputNumberEvent::Place() {
    x_ = wanted_x_;
    y_ = wanted_y_;
    if (!has_area_) return;
    if (BoardRight() > area_right_) x_ -= BoardRight() - area_right_;
    if (BoardLeft() < area_left_) x_ += area_left_ - BoardLeft();
    if (y_ + kMarksBottom > area_bottom_) y_ = area_bottom_ - kMarksBottom;
    if (y_ + kMarksTop < area_top_) y_ = area_top_ - kMarksTop;
}

void CInputNumberEvent::PlayCursor() {
    if (cursor_sound) cursor_sound->Play(0, 0);
}

void CInputNumberEvent::StepValue(int direction) {
    const std::int64_t v = static_cast<std::int64_t>(value_) + direction * PowerOfTen(digit_);
    value_ = static_cast<int>(direction > 0 ? std::min<std::int64_t>(v, maximum_)
                                            : std::max<std::int64_t>(v, minimum_));
}

void CInputNumberEvent::Mouse() {
    const CMouseEvent* mouse = GetMouseEvent();
    const int px = mouse->x, py = mouse->y;
    const int d = HighestDigit(maximum_);
    if (px < x_ + 35 - kDigitPitch * d || px > x_ + 100 || py < y_ - 20 || py >= y_ + 40) return;
    digit_ = std::max(4 - (px - x_) / kDigitPitch, kOkDigit);
    if (mouse->GetButton(0) != 1) return;
    if (py < y_) {
        StepValue(+1);
        PlayCursor();
    } else if (py >= y_ + 20) {
        StepValue(-1);
        PlayCursor();
    }
}

void CInputNumberEvent::Update() {
    ++frame_count_;
    const CDirectInput* input = GetDirectInput();
    const CMouseEvent* mouse = GetMouseEvent();
    auto acts = [input](int button) { return key_repeat::EntryActs(input->GetCount(button)); };

    if (mouse_enabled_ && mouse->IsMoved()) Mouse();

    if (digit_ == kOkDigit) {
        if (input->GetCount(kButtonDecide) == 1 || (mouse_enabled_ && mouse->GetButton(0) == 1))
            Finish();
    } else {
        if (acts(kButtonUp)) {
            PlayCursor();
            StepValue(+1);
        }
        if (acts(kButtonDown)) {
            PlayCursor();
            StepValue(-1);
            // The cursor never stands left of the value's highest digit after a decrease.
            while (digit_ > 0 && PowerOfTen(digit_) > value_) --digit_;
        }
        if (acts(kButtonRight) && digit_ >= 0) {
            PlayCursor();
            --digit_;
        }
    }
    if (acts(kButtonLeft) && PowerOfTen(digit_ + 1) <= maximum_) {
        PlayCursor();
        ++digit_;
        // The new digit is never left empty.
        if (value_ < PowerOfTen(digit_)) StepValue(+1);
    }
    if (input->GetCount(kButtonDecide) == 1) {
        cancelled_ = 0;
        Finish();
    }
    if (input->GetCount(kButtonCancel) == 1 || (mouse_enabled_ && mouse->GetButton(1) > 0)) {
        value_ = 0;
        cancelled_ = 1;
        Finish();
    }
}

void CInputNumberEvent::DrawMarks() {
    CDirectGraphics* graphics = GetDirectGraphics();
    const int mark_x = x_ - kDigitPitch * digit_ + 35;
    if (up_arrow && down_arrow) {
        const int k = PulsePhase(frame_count_);
        const float scale = 0.8f + 0.03f * static_cast<float>(k);
        auto draw = [&](DTexture* texture, int y) {
            DEffect effect;
            effect.x = static_cast<std::int16_t>(mark_x);
            effect.y = static_cast<std::int16_t>(y);
            effect.width =
                static_cast<std::uint16_t>(static_cast<float>(texture->GetWidth()) * scale);
            effect.height =
                static_cast<std::uint16_t>(static_cast<float>(texture->GetHeight()) * scale);
            effect.alpha = static_cast<std::uint8_t>(255 - 5 * k);
            effect.red = effect.green = effect.blue = 255;
            graphics->DrawEffect(&effect, texture);
        };
        draw(up_arrow, y_ - 20);
        draw(down_arrow, y_ + 20);
    } else if (frame_count_ % 40 < 20) {
        graphics->DrawText(mark_x, y_ - 20, "↑", cursor_color, nullptr, kTextFormat);
        graphics->DrawText(mark_x, y_ + 20, "↓", cursor_color, nullptr, kTextFormat);
    }
}

void CInputNumberEvent::DrawBoard() {
    CDirectGraphics* graphics = GetDirectGraphics();
    const int left = BoardLeft();
    const int width = BoardRight() - left;
    const int picture = background->GetWidth();
    const int height = background->GetHeight();
    const int cap = std::min(kBoardCap, picture / 2);
    if (width <= 2 * cap || picture <= 2 * cap) {
        graphics->DrawTexture(x_ + kBoardLeft, y_ + kBoardTop, background);
        return;
    }
    // The left end and as much of the middle as fits, then more of the middle, then the right
    // end: the board's rim stays the picture's own at any width.
    const int top = y_ + kBoardTop;
    int filled = std::min(picture - cap, width - cap);
    graphics->DrawTextureRect(left, top, background, 0, 0, filled, height);
    while (filled < width - cap) {
        const int chunk = std::min(picture - 2 * cap, width - cap - filled);
        graphics->DrawTextureRect(left + filled, top, background, cap, 0, chunk, height);
        filled += chunk;
    }
    graphics->DrawTextureRect(left + width - cap, top, background, picture - cap, 0, cap, height);
}

void CInputNumberEvent::Draw() {
    CDirectGraphics* graphics = GetDirectGraphics();
    if (background) DrawBoard();
    if (digit_ != kOkDigit) DrawMarks();

    // The magnitude's digits from the units leftwards, at least one.
    std::int64_t rest = value_ < 0 ? -static_cast<std::int64_t>(value_) : value_;
    int place = 0;
    do {
        const char digit_text[2] = {static_cast<char>('0' + rest % 10), 0};
        graphics->DrawText(x_ + 40 - kDigitPitch * place, y_, digit_text,
                           place == digit_ ? cursor_color : text_color, font, kTextFormat);
        rest /= 10;
        ++place;
    } while (rest > 0);

    graphics->DrawText(x_ + 60, y_, "決定", digit_ == kOkDigit ? cursor_color : text_color, font,
                       kTextFormat);

    if (!has_total_) return;
    graphics->DrawText(x_ + kTotalLabelX, y_, "合計", text_color, font, kTextFormat);
    graphics->DrawText(TotalRight(), y_, TotalText(Total()).c_str(), text_color, font, DT_RIGHT);
}
