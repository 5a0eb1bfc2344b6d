#include "game/ending/ending_component.h"

#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/graphics/text_format.h"
#include "engine/input/direct_input.h"
#include "game/ending/staff_roll.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr const char* kFontFace = "ＭＳ Ｐゴシック";
constexpr int kFontHeight = 32;
constexpr std::uint32_t kTextColor = 0xA8404040;
constexpr unsigned kTextFormat = DT_WORDBREAK | DT_EXPANDTABS;
constexpr int kNamesIndent = 50;
constexpr int kNamesDrop = 40;
// Entries are drawn while they can still reach the screen.
constexpr int kRollReach = 750;
constexpr int kPageEnd = -150;

static_assert(staff_roll::kEntries == 28);

}  // namespace

CEndingComp::CEndingComp() { SetName(kName); }

void CEndingComp::Initialize() {
    font_.Create(kFontHeight, kFontFace, true);
    background_.LoadFromFile("dat\\bg.bmp", 0xFF00FF00);
}

void CEndingComp::OnEnter(int /*argument*/) { Restart(); }

void CEndingComp::Restart() {
    page_ = 0;
    offset_ = kStartOffset;
    frame_count_ = 0;
}

void CEndingComp::Update() {
    ++frame_count_;
    if (page_ >= kLastPage) {
        if (input_->GetCount(kButtonDecide) == 1 || mouse_->GetButton(0) == 1)
            mediator_->ChangeComponent(CVemuComp::kName, 2, 0);
        return;
    }
    if (frame_count_ % 2 == 0) --offset_;
    if (offset_ < kPageEnd) {
        offset_ = 0;
        ++page_;
    }
}

void CEndingComp::Draw() {
    graphics_->DrawTexture(0, 0, &background_);
    for (int i = 0; page_ + i < staff_roll::kEntries && kEntryPitch * i < kRollReach; ++i) {
        const staff_roll::Entry& entry = staff_roll::kRoll[page_ + i];
        const int y = offset_ + kEntryPitch * i;
        graphics_->DrawText(x_, y, entry.heading, kTextColor, &font_, kTextFormat);
        graphics_->DrawText(x_ + kNamesIndent, y + kNamesDrop, entry.names, kTextColor, &font_,
                            kTextFormat);
    }
}
