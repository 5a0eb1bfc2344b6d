#include "engine/framework/input_number_event.h"

#include <algorithm>
#include <string>

#include "engine/framework/devices.h"
#include "engine/framework/key_repeat.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/texture.h"
#include "engine/input/direct_input.h"
#include "engine/sound/wave.h"

namespace {

constexpr unsigned kTextFormat = DT_WORDBREAK | DT_EXPANDTABS;
constexpr unsigned kCursorColor = 0xFF0000FF;
constexpr unsigned kDigitColor = 0xFF000000;
constexpr int kDigitPitch = 10;

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
    x_ = x;
    y_ = y;
    value_ = value;
    digit_ = 0;
    cancelled_ = 0;
}

void CInputNumberEvent::SetRange(int maximum, int minimum) {
    maximum_ = maximum;
    minimum_ = minimum;
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
        graphics->DrawText(mark_x, y_ - 20, "↑", kCursorColor, nullptr, kTextFormat);
        graphics->DrawText(mark_x, y_ + 20, "↓", kCursorColor, nullptr, kTextFormat);
    }
}

void CInputNumberEvent::Draw() {
    CDirectGraphics* graphics = GetDirectGraphics();
    if (background) graphics->DrawTexture(x_ + 5, y_ - 10, background);
    if (digit_ != kOkDigit) DrawMarks();

    // The magnitude's digits from the units leftwards, at least one.
    std::int64_t rest = value_ < 0 ? -static_cast<std::int64_t>(value_) : value_;
    int place = 0;
    do {
        const char digit_text[2] = {static_cast<char>('0' + rest % 10), 0};
        graphics->DrawText(x_ + 40 - kDigitPitch * place, y_, digit_text,
                           place == digit_ ? kCursorColor : kDigitColor, font, kTextFormat);
        rest /= 10;
        ++place;
    } while (rest > 0);

    graphics->DrawText(x_ + 60, y_, "決定", digit_ == kOkDigit ? kCursorColor : kDigitColor, font,
                       kTextFormat);
}
