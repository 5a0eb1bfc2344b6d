#include "engine/framework/message_out_event.h"

#include <algorithm>

#include "engine/common/line_break.h"
#include "engine/common/sjis.h"
#include "engine/framework/devices.h"
#include "engine/framework/key_repeat.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/texture.h"
#include "engine/input/direct_input.h"

namespace {

constexpr unsigned char kFormFeed = 0x0C;
constexpr unsigned char kNewline = 0x0A;
// Held past this many steps after an acknowledgement, a button types one character per frame.
constexpr int kHeldFastSteps = 12;

// Paces the typing of every message window; back to 1 whenever the player acknowledges.
int step_counter = 1;

}  // namespace

void CMessageOutEvent::ResetStepCounter() { step_counter = 1; }

unsigned char CMessageOutEvent::ByteAt(int pos) const {
    return pos >= 0 && pos < GetLength() ? static_cast<unsigned char>(text_[pos]) : 0;
}

void CMessageOutEvent::ClearWindow() {
    for (int i = 0; i < 2; ++i) line_start_[i] = line_end_[i] = 0;
    current_line_ = 0;
    lines_completed_ = 0;
}

void CMessageOutEvent::ClearLines() {
    ClearWindow();
    position_ = 0;
    unit_end_ = 0;
    waiting_ = 0;
    page_full_ = 0;
}

void CMessageOutEvent::SetMessage(int x, int y, const char* text, unsigned color, DFont* font) {
    ClearLines();
    text_ = text ? text : "";
    color_ = color;
    font_ = font;
    x_ = x;
    y_ = y;
    phase_ = kTyping;
    frame_count_ = 0;
}

void CMessageOutEvent::AppendMessage(const char* text) {
    if (waiting_) {
        // A pending page-full flag would make a later form feed scroll like a full page.
        waiting_ = 0;
        page_full_ = 0;
        ClearWindow();
        line_start_[0] = position_;
    }
    if (text) text_ += text;
}

bool CMessageOutEvent::SetSpeed(int frames) {
    if (frames < 1) return false;
    speed_ = frames;
    return true;
}

bool CMessageOutEvent::CatchUp(int steps) {
    saved_speed_ = speed_;
    const unsigned char saved_no_fast_forward = no_fast_forward_;
    no_fast_forward_ = 1;
    speed_ = 1;
    for (int i = 0; i < steps; ++i) Step();
    speed_ = saved_speed_;
    no_fast_forward_ = saved_no_fast_forward;
    return true;
}

void CMessageOutEvent::Begin() { state_ = kRunning; }

void CMessageOutEvent::NewLine() {
    if (current_line_ == 2) {
        line_start_[0] = line_start_[1];
        line_end_[0] = line_end_[1];
        line_start_[1] = line_start_[2];
        line_end_[1] = line_end_[2];
    } else {
        ++current_line_;
    }
    line_start_[current_line_] = position_;
    ++lines_completed_;
}

bool CMessageOutEvent::Step() {
    ++step_counter;
    if (position_ >= GetLength()) {
        if (advance_ == 1) {
            step_counter = 1;
            waiting_ = 0;
            return true;
        }
        waiting_ = 1;
        return false;
    }
    if (waiting_) {
        if (advance_ == 1 || no_fast_forward_) {
            step_counter = 1;
            waiting_ = 0;
            if (page_full_) {
                page_full_ = 0;
                NewLine();
            } else {
                ClearWindow();
                ++position_;  // past the form feed
                line_start_[0] = position_;
            }
        }
        return false;
    }
    if (!(step_counter > kHeldFastSteps && advance_ != 0) && step_counter % speed_ != 0)
        return false;

    if (BreaksBeforeUnit()) return EndLine(position_);

    const unsigned char c = ByteAt(position_);
    // A lone lead byte at the end is one byte: the position never passes the end.
    position_ += static_cast<int>(sjis::CharLength(text_, static_cast<std::size_t>(position_)));
    if (c == kFormFeed) {
        waiting_ = 1;
        --position_;
        return false;
    }
    if (c == kNewline) return EndLine(position_ - 1);
    if (position_ - line_start_[current_line_] <= kLineBytes) return false;
    // Inside a name or a word that fits the line.
    if (position_ < unit_end_) return false;
    // Punctuation must not begin a line; the test looks at each byte on its own.
    if (ByteAt(position_) == 0x81 || ByteAt(position_ + 1) == 0x41) return false;
    if (line_break::NoLineStart(text_, position_)) return false;
    return EndLine(position_);
}

bool CMessageOutEvent::BreaksBeforeUnit() {
    const int length = position_ - line_start_[current_line_];
    if (length <= 0 || position_ < unit_end_ || line_break::NoLineStart(text_, position_))
        return false;
    // What the byte test keeps at the end of a full line stays there, but an opening bracket.
    const bool kept = ByteAt(position_) == 0x81 || ByteAt(position_ + 1) == 0x41;
    if (kept && length > kLineBytes && !line_break::OpensName(text_, position_)) return false;
    const int unit = line_break::UnitLength(text_, position_, kLineCapacity);
    if (unit <= 0) return false;
    if (unit <= kLineCapacity) {
        // The whole name or word, on this line when it fits, else on the next.
        if (length + unit > kLineCapacity) return true;
        unit_end_ = position_ + unit;
        return false;
    }
    // Longer than a line: it breaks inside, but an opening bracket never ends a line.
    if (!line_break::OpensName(text_, position_)) return false;
    const int first = line_break::CharBytes(text_, position_);
    return length + first + line_break::CharBytes(text_, position_ + first) > kLineCapacity;
}

bool CMessageOutEvent::EndLine(int end) {
    line_end_[current_line_] = end;
    if (lines_completed_ % 3 == 2) {
        waiting_ = 1;
        page_full_ = 1;
        return false;
    }
    NewLine();
    return false;
}

void CMessageOutEvent::Update() {
    ++frame_count_;
    CMouseEvent* mouse = GetMouseEvent();
    advance_ = mouse->GetButton(0) + GetDirectInput()->GetCount(kButtonDecide);
    if (phase_ == kTyping) {
        if (Step()) {
            if (wait_handle_) {
                wait_handle_->Signal();
                wait_handle_ = nullptr;
            }
            if (close_when_done_) {
                ClearLines();
                phase_ = kClosing;
                frame_count_ = 0;
            }
        } else if (!no_fast_forward_ && mouse->IsDoubleClick()) {
            saved_speed_ = speed_;
            advance_ = 0;
            speed_ = 1;
            while (!waiting_) Step();
            speed_ = saved_speed_;
        }
    } else if (phase_ == kClosing) {
        Finish();
    }
}

std::string CMessageOutEvent::VisibleLine(int i) const {
    if (i < 0 || i >= kLines || i > current_line_) return "";
    const int start = line_start_[i];
    const int end = i == current_line_ ? position_ : line_end_[i];
    if (end <= start) return "";
    return text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void CMessageOutEvent::Draw() {
    if (phase_ != kTyping) return;
    CDirectGraphics* graphics = GetDirectGraphics();
    for (int i = 0; i <= current_line_ && i < kLines; ++i)
        graphics->DrawText(x_, y_ + kLineHeight * i, VisibleLine(i).c_str(), color_, font_,
                           DT_WORDBREAK | DT_EXPANDTABS);

    const bool at_end = position_ >= GetLength();
    if (!cursor_ || !((at_end && close_when_done_) || (waiting_ && !at_end))) return;
    const int font_height = font_ ? font_->GetHeight() : 20;
    const int k = PulsePhase(frame_count_);
    const float scale = 1.0f + 0.03f * static_cast<float>(k);
    DEffect effect;
    effect.x = static_cast<std::int16_t>(x_ + 12 * font_height);
    effect.y = static_cast<std::int16_t>(y_ + 90);
    effect.width = static_cast<std::uint16_t>(static_cast<float>(cursor_->GetWidth()) * scale);
    effect.height = static_cast<std::uint16_t>(static_cast<float>(cursor_->GetHeight()) * scale);
    effect.alpha = static_cast<std::uint8_t>(255 - 5 * k);
    effect.red = effect.green = effect.blue = 255;
    graphics->DrawEffect(&effect, cursor_);
}
