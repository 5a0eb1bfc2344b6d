// A buy or sell dialogue: a choice list of goods with their prices and, once a row is decided,
// a number entry for the quantity. It draws nothing itself; the list and the entry run as
// events of their own. When it ends, its owner reads the quantity (0 = cancelled) and the item.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/framework/game_event.h"
#include "engine/framework/input_number_event.h"
#include "engine/framework/menu_entry.h"
#include "engine/framework/select_event.h"

class CItem;
class DFont;
class DTexture;
class DWave;

class CShopEvent : public CGameEvent {
public:
    static constexpr int kListX = 22, kListY = 62;
    static constexpr int kPitch = 32;
    static constexpr int kTextWidth = 640 / 3 - 32;

    CShopEvent();
    ~CShopEvent() override;

    // Lists what the item bag holds, priced at price x factor.
    void BuildSellList(float factor, int* index, int rows);
    // Lists the caller's goods; a row can be chosen when its price is within the money.
    void BuildBuyList(bool sell_mode, float factor, std::vector<CItem*>* goods, int* index,
                      int rows, int money);
    // The goods of the list's current row (null when there is none).
    CItem* GetSelectedItem();
    int GetResultQuantity() const { return result_quantity_; }

    void SetUnit(const char* unit) { unit_ = unit ? unit : ""; }
    void SetFont(DFont* font, unsigned color);
    void SetCursorSound(DWave* sound);
    void SetArrowTextures(DTexture* up, DTexture* down);

    bool Start(WaitHandle* handle) override;
    void Update() override;

    CSelectEvent& list() { return list_; }
    CInputNumberEvent& quantity_entry() { return entry_; }
    const std::vector<MenuEntry>& entries() const { return entries_; }
    bool IsSellMode() const { return sell_mode_ != 0; }

private:
    // Rows are enabled by the money (buy list) or by a price that is not 0 (sell list).
    void BuildEntries(int* index, int rows, bool within_money);
    void OpenQuantityEntry();

    CSelectEvent list_;
    CInputNumberEvent entry_;
    std::vector<MenuEntry> entries_;
    std::vector<CItem*>* goods_ = nullptr;
    // Sell mode lists copies of the bag's items, so a row never points at an item the bag has
    // since deleted; the bag still finds its own by name.
    std::vector<std::unique_ptr<CItem>> own_items_;
    std::vector<CItem*> own_goods_;
    int money_ = 0;
    int result_quantity_ = 0;
    std::string unit_;
    float price_factor_ = 1.0f;
    unsigned char sell_mode_ = 0;
};
