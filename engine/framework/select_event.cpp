#include "engine/framework/select_event.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "engine/common/sjis.h"
#include "engine/framework/devices.h"
#include "engine/framework/key_repeat.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/texture.h"
#include "engine/input/direct_input.h"
#include "engine/sound/wave.h"

namespace {

constexpr unsigned kTextFormat = DT_WORDBREAK | DT_EXPANDTABS;
constexpr int kDefaultFontHeight = 20;

int FontHeight(const DFont* font) { return font ? font->GetHeight() : kDefaultFontHeight; }

DEffect PulsedEffect(int x, int y, int width, int height, int alpha) {
    DEffect effect;
    effect.x = static_cast<std::int16_t>(x);
    effect.y = static_cast<std::int16_t>(y);
    effect.width = static_cast<std::uint16_t>(width);
    effect.height = static_cast<std::uint16_t>(height);
    effect.alpha = static_cast<std::uint8_t>(alpha);
    effect.red = effect.green = effect.blue = 255;
    return effect;
}

}  // namespace

CSelectEvent::CSelectEvent() : index_(&own_index_) {
    priority_ = 4;
    hover_ = 1;
}

bool CSelectEvent::Start(WaitHandle* handle) {
    hover_ = 1;
    return CGameEvent::Start(handle);
}

void CSelectEvent::SetItems(MenuEntry* entries, int count, int* index, int rows) {
    entries_ = entries;
    count_ = entries ? std::max(count, 0) : 0;
    index_ = index ? index : &own_index_;
    rows_ = rows >= 1 ? rows : std::max(count_, 1);
    *index_ = count_ == 0 ? -1 : std::clamp(*index_, 0, count_ - 1);
    // The window is shared by lists of every length and keeps the top row the last one left:
    // a list that fits shows from its first row, a longer one leaves no empty rows under its
    // last, and the recalled row moves the rows only as far as it takes to show it.
    top_ = std::clamp(top_, 0, std::max(count_ - rows_, 0));
    if (*index_ >= 0 && *index_ < top_)
        top_ = *index_;
    else if (*index_ >= top_ + rows_)
        top_ = *index_ - rows_ + 1;
}

void CSelectEvent::ClearItems() {
    entries_ = nullptr;
    count_ = 0;
}

void CSelectEvent::MoveMouseToSelection() {
    GetMouseEvent()->SetCursorPos(x_ + width_ / 2, y_ + (*index_ - top_) * pitch_ + pitch_ / 2);
}

void CSelectEvent::PlayCursor() {
    if (cursor_sound_) cursor_sound_->Play(0, 0);
}

void CSelectEvent::PageCounter(int top, int rows, int count, int& page, int& pages) {
    rows = std::max(rows, 1);
    pages = (count + rows - 1) / rows;
    // The last page is the one that shows the last row, wherever the top row stands then.
    page = top + rows >= count ? pages : top / rows + 1;
}

bool CSelectEvent::DecidePressed() const {
    const int key = GetDirectInput()->GetCount(kButtonDecide);
    const int left = GetMouseEvent()->GetButton(0);
    auto repeated = [this](int held) { return repeat_decide_ && held > 25 && held % 4 == 1; };
    return key == 1 || repeated(key) || (mouse_enabled_ && left == 1) || repeated(left);
}

void CSelectEvent::Update() {
    ++frame_count_;
    refused_ = 0;
    if (count_ < 1) return;
    CMouseEvent* mouse = GetMouseEvent();
    const CDirectInput* input = GetDirectInput();
    int& index = *index_;

    if (mouse_enabled_ && mouse->IsMoved()) {
        const int px = mouse->x, py = mouse->y;
        if (px >= x_ && px < x_ + width_ && py >= y_ &&
            py < y_ + pitch_ * std::min(rows_, count_)) {
            hover_ = 1;
            index = std::min((py - y_) / pitch_ + top_, count_ - 1);
        } else {
            hover_ = 0;
        }
        if (mouse->GetButton(0) == 1) {
            const bool arrow_column = px >= x_ + pitch_ && px < x_ + pitch_ + pitch_ / 2;
            const int below = y_ + pitch_ * rows_;
            if (top_ > 0 && arrow_column && py >= y_ - pitch_ / 2 && py < y_) {
                PlayCursor();
                top_ = std::max(top_ - rows_, 0);
                index = std::max(index - rows_, 0);
                Scrolled();
            } else if (top_ + rows_ < count_ && arrow_column && py >= below &&
                       py < below + pitch_ / 2) {
                PlayCursor();
                // The last page ends on the last row instead of running past it.
                top_ = std::min(top_ + rows_, std::max(0, count_ - rows_));
                index = std::min(index + rows_, count_ - 1);
                Scrolled();
            }
        }
    }

    if (hover_) {
        if (key_repeat::ListActs(input->GetCount(kButtonUp))) {
            index = (index + count_ - 1) % count_;
            PlayCursor();
        }
        if (hover_ && key_repeat::ListActs(input->GetCount(kButtonDown))) {
            index = (index + 1) % count_;
            PlayCursor();
        }
    } else if (key_recall_ &&
               (input->GetCount(kButtonUp) == 1 || input->GetCount(kButtonDown) == 1)) {
        index = top_;
        hover_ = 1;
    }

    const int wheel = mouse->GetWheel();
    if (wheel > 0) {
        mouse->SetWheel(wheel - 1);
        if (hover_ && top_ > 0) {
            --top_;
            --index;
            PlayCursor();
            Scrolled();
        }
    } else if (wheel < 0) {
        mouse->SetWheel(wheel + 1);
        if (hover_ && top_ < count_ - rows_) {
            ++top_;
            ++index;
            PlayCursor();
            Scrolled();
        }
    }
    // A wrap in this frame may have put the index where the wheel's row step pushes it out.
    index = std::clamp(index, 0, count_ - 1);

    if (index - top_ >= rows_) {
        top_ = index - rows_ + 1;
        Scrolled();
    } else if (index < top_) {
        top_ = index;
        Scrolled();
    }

    if (hover_ && DecidePressed()) {
        if (entries_[index].enabled) {
            Finish();
            PlayClick();
        } else {
            refused_ = 1;
        }
    }
}

void CSelectEvent::DrawArrow(int x, int y, DTexture* texture, const char* fallback, int k) {
    CDirectGraphics* graphics = GetDirectGraphics();
    if (texture) {
        const float scale = 1.0f + 0.03f * static_cast<float>(k);
        const DEffect effect = PulsedEffect(
            x, y, static_cast<int>(static_cast<float>(texture->GetWidth()) * scale),
            static_cast<int>(static_cast<float>(texture->GetHeight()) * scale), 255 - 5 * k);
        graphics->DrawEffect(&effect, texture);
    } else if (frame_count_ % 40 < 20) {
        graphics->DrawText(x, y, fallback, text_color_, font_, kTextFormat);
    }
}

void CSelectEvent::DrawRows(int h) {
    CDirectGraphics* graphics = GetDirectGraphics();
    const int split = h > 0 ? text_width_ * 2 / h : 0;
    const int text_x = x_ + pitch_ * 2 / 3;
    const int right = x_ + width_ - pitch_ / 2;
    for (int i = 0; i < rows_ && top_ + i < count_; ++i) {
        const MenuEntry& entry = entries_[top_ + i];
        const unsigned color = !entry.enabled                         ? MenuEntry::kDisabledColor
                               : entry.color == MenuEntry::kListColor ? text_color_
                                                                      : entry.color;
        const int row_y = y_ + pitch_ * i;
        const std::string& label = entry.label;
        // The label keeps clear of the second text (a count, a price) that shares its row; the
        // bearings at the two texts' facing ends leave a pixel or two of air either way.
        const int second_width =
            entry.second_text.empty() ? 0 : graphics->TextWidth(entry.second_text, font_);
        const int room = right - second_width - text_x + h / 8;
        const bool too_long = split > 0 && label.size() > static_cast<std::size_t>(split);
        const bool too_wide =
            !entry.second_text.empty() && graphics->TextWidth(label, font_) > room;
        if (too_long || too_wide) {
            DFont* font = split_font_ ? split_font_ : font_;
            const int line = split_font_ ? FontHeight(split_font_) : h;
            const int top = split_font_ ? row_y + std::max(0, (height_ - 2 * line) / 2) : row_y;
            const std::size_t limit = too_long ? static_cast<std::size_t>(split) : label.size();
            const int first_room = std::max(room, line);
            // The second line is set in by half a line and keeps the same distance from the
            // second text as the first.
            const int rest_room = std::max(first_room - line / 2, line);
            std::size_t cut = graphics->LineBreakWithin(label, first_room, font, limit);
            if (cut >= label.size()) cut = sjis::CutPosition(label, limit);
            if (graphics->TextWidth(std::string_view(label).substr(cut), font) > rest_room) {
                // The byte count leaves too much for the second line: the first takes all the
                // room beside the second text instead.
                const std::size_t fuller = graphics->LineBreakWithin(label, first_room, font);
                if (fuller > cut && fuller < label.size()) cut = fuller;
            }
            std::string rest = label.substr(cut);
            if (graphics->TextWidth(rest, font) > rest_room) {
                // Two lines are all the row holds: the end is left out, and the mark says so.
                const std::string ellipsis = "…";
                const int width = rest_room - graphics->TextWidth(ellipsis, font);
                rest = rest.substr(0, graphics->LineBreakWithin(rest, width, font)) + ellipsis;
            }
            graphics->DrawText(text_x, top, label.substr(0, cut).c_str(), color, font, kTextFormat);
            graphics->DrawText(text_x + line / 2, top + line, rest.c_str(), color, font,
                               kTextFormat);
        } else {
            graphics->DrawText(text_x, row_y + h / 2, label.c_str(), color, font_, kTextFormat);
        }
        if (!entry.second_text.empty()) {
            const TextRect rect{x_, row_y + h / 2, right, row_y + h / 2 + height_};
            graphics->DrawTextRect(rect, entry.second_text.c_str(), color, font_, DT_RIGHT);
        }
    }
}

void CSelectEvent::Draw() {
    if (count_ == 0 || !entries_) return;
    CDirectGraphics* graphics = GetDirectGraphics();
    const int h = FontHeight(font_);
    const int k = PulsePhase(frame_count_);

    if (normal_)
        for (int i = 0; i < rows_ && top_ + i < count_; ++i)
            graphics->DrawTexture(x_, y_ + pitch_ * i, normal_);

    if (hover_) {
        const int cursor_y = y_ + (*index_ - top_) * pitch_;
        if (!hover_texture_) {
            graphics->DrawText(x_, cursor_y + h / 2, "●", text_color_, font_, kTextFormat);
        } else if (frame_count_ != 0) {
            const float grow = 0.2f * static_cast<float>(k);
            const DEffect effect = PulsedEffect(
                x_, cursor_y,
                static_cast<int>(static_cast<float>(hover_texture_->GetWidth()) + grow),
                static_cast<int>(static_cast<float>(hover_texture_->GetHeight()) + grow),
                255 - 7 * k);
            graphics->DrawEffect(&effect, hover_texture_);
        }
    }

    DrawRows(h);

    if (top_ > 0) DrawArrow(x_ + pitch_, y_ - pitch_ / 2, up_arrow_, "↑", k);
    if (top_ + rows_ < count_) DrawArrow(x_ + pitch_, y_ + pitch_ * rows_, down_arrow_, "↓", k);

    if (count_ > rows_) {
        int page = 0, pages = 0;
        PageCounter(top_, rows_, count_, page, pages);
        char counter[32];
        std::snprintf(counter, sizeof counter, "%d/%d", page, pages);
        if (counter_font_) {
            const CounterPlate& plate = counter_plate_;
            if (plate.texture)
                graphics->DrawTextureRect(plate.x, plate.y, plate.texture, plate.src_x, plate.src_y,
                                          plate.width, plate.height);
            const int half = graphics->TextWidth(counter, counter_font_) / 2 + 1;
            const TextRect rect{counter_x_ - half, counter_y_, counter_x_ + half,
                                counter_y_ + FontHeight(counter_font_)};
            graphics->DrawTextRect(rect, counter, text_color_, counter_font_, DT_CENTER);
        } else {
            graphics->DrawText(x_, y_ - h, counter, text_color_, font_, kTextFormat);
        }
    }
}
