#include "engine/framework/shop_event.h"

#include <cstdio>

#include "engine/data/item.h"
#include "engine/data/item_bag.h"
#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"

namespace {
constexpr int kEntryX = 260, kEntryY = 85;
}

CShopEvent::CShopEvent() { priority_ = 5; }

CShopEvent::~CShopEvent() = default;

void CShopEvent::SetFont(DFont* font, unsigned color) {
    list_.SetTextStyle(color, font);
    entry_.font = font;
}

void CShopEvent::SetCursorSound(DWave* sound) {
    list_.SetCursorSound(sound);
    entry_.cursor_sound = sound;
}

void CShopEvent::SetArrowTextures(DTexture* up, DTexture* down) {
    list_.SetPageArrows(up, down);
    entry_.up_arrow = up;
    entry_.down_arrow = down;
}

void CShopEvent::BuildEntries(int* index, int rows, bool within_money) {
    const int count = goods_ ? static_cast<int>(goods_->size()) : 0;
    std::vector<MenuEntry> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const CItem* item = (*goods_)[static_cast<std::size_t>(i)];
        MenuEntry& entry = entries[static_cast<std::size_t>(i)];
        if (!item) {
            entry.enabled = 0;
            continue;
        }
        entry.label = item->GetName();
        char price[96];
        std::snprintf(price, sizeof price, "%d %s",
                      static_cast<int>(static_cast<float>(item->price) * price_factor_),
                      unit_.c_str());
        entry.second_text = price;
        entry.enabled = within_money ? item->price <= money_ : item->price != 0;
    }
    entries_.swap(entries);
    list_.SetItems(entries_.data(), count, index, rows);
    list_.SetPosition(kListX, kListY);
    list_.SetRowSize(kPitch, kTextWidth);
}

void CShopEvent::BuildSellList(float factor, int* index, int rows) {
    sell_mode_ = 1;
    price_factor_ = factor;
    own_items_.clear();
    own_goods_.clear();
    CItemBag& bag = GetGameMediator()->items();
    for (int i = 0; i < bag.GetSize(); ++i) {
        const CItem* held = bag.GetItemAt(i);
        if (!held) continue;
        own_items_.push_back(std::make_unique<CItem>(*held));
        own_goods_.push_back(own_items_.back().get());
    }
    goods_ = &own_goods_;
    BuildEntries(index, rows, false);
}

void CShopEvent::BuildBuyList(bool sell_mode, float factor, std::vector<CItem*>* goods, int* index,
                              int rows, int money) {
    money_ = money;
    goods_ = goods;
    sell_mode_ = sell_mode ? 1 : 0;
    price_factor_ = factor;
    // The money decides what can be chosen here, whichever mode the caller names.
    BuildEntries(index, rows, true);
}

CItem* CShopEvent::GetSelectedItem() {
    if (!goods_) return nullptr;
    const int index = list_.GetIndex();
    if (index < 0 || index >= static_cast<int>(goods_->size())) return nullptr;
    return (*goods_)[static_cast<std::size_t>(index)];
}

bool CShopEvent::Start(WaitHandle* handle) {
    const bool started = CGameEvent::Start(handle);
    list_.Start(nullptr);
    return started;
}

void CShopEvent::OpenQuantityEntry() {
    CItem* item = GetSelectedItem();
    int maximum = entry_.GetMaximum();
    if (item && sell_mode_) {
        maximum = GetGameMediator()->items().GetItemCount(item);
    } else if (item && item->price > 0) {
        maximum = money_ / item->price;
    } else {
        // Free goods: nothing limits the quantity but the entry's own maximum.
        maximum = 0x0FFFFFFF;
    }
    if (item)
        entry_.SetTotal(item->price, price_factor_, unit_.c_str());
    else
        entry_.ClearTotal();
    entry_.Setup(kEntryX, kEntryY + kPitch * (list_.GetIndex() - list_.GetTop()), 0);
    entry_.SetRange(maximum, 0);
    entry_.Start(nullptr);
}

void CShopEvent::Update() {
    const CDirectInput* input = GetDirectInput();
    const CMouseEvent* mouse = GetMouseEvent();

    if (entry_.state() != kIdle) {
        if (entry_.IsFinished()) {
            entry_.Reset();
            const int quantity = entry_.GetValue();
            if (quantity != 0) {
                result_quantity_ = quantity;
                Finish();
            }
            list_.EnableMouse(true);
            list_.SetCursorShown(true);
        }
        return;
    }

    if (!list_.IsCursorShown() &&
        (input->GetCount(kButtonUp) == 1 || input->GetCount(kButtonDown) > 0))
        list_.SetCursorShown(true);
    const bool cancel = input->GetCount(kButtonCancel) == 1 || mouse->GetButton(1) == 1;
    if (!cancel) {
        if (list_.IsFinished()) {
            // The list stays on screen, frozen, under the quantity entry.
            list_.Start(nullptr);
            list_.EnableMouse(false);
            list_.SetCursorShown(false);
            OpenQuantityEntry();
        }
        return;
    }
    list_.SetTop(0);
    list_.Stop();
    result_quantity_ = 0;
    Finish();
}
