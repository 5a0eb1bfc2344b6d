#include "game/main/vemu_comp.h"

#include <string>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "events/story.h"
#include "game/clock/clock_world.h"
#include "game/data/data_files.h"
#include "game/data/file_key.h"
#include "game/economy/item_table.h"
#include "game/food/food_def.h"
#include "game/main/draw_text.h"
#include "game/main/goods_lists.h"
#include "game/main/required_names.h"
#include "game/title/title_component.h"

CVemuComp::CVemuComp() {
    SetName(kName);
    start_kit_ = 1;
    story_ = std::make_unique<Story>(*this);
}

CVemuComp::~CVemuComp() = default;

void CVemuComp::Initialize() {
    stage_.LoadTextures();
    stage_.LoadSoundEffects();
    SceneTextures& textures = stage_.textures();
    mediator_->SetFadeTexture(&textures.background);
    mouse_->SetCursorTexture(&textures.cursor, 0);
    mouse_->SetCursorTexture(&textures.cursor_held, 1);
    mouse_->SetHotSpot(6, 22);
    mediator_->SetFileKey(vemu::kFileKey.data());
    stage_.Initialize();

    if (!LoadDataFiles(book_)) {
        // The loader has said which file failed; there is no game without it.
        mediator_->RequestQuit();
        return;
    }
    const std::vector<std::string> missing = MissingRequiredNames(book_);
    if (!missing.empty()) {
        ShowMessageBox(MissingNamesMessage(missing).c_str(), "Error");
        mediator_->RequestQuit();
        return;
    }
    FillFoodGoods();
    FillItemGoods();
    memory_food_first_ = FindFoodDef(kMemoryFoodFirst);
    memory_food_second_ = FindFoodDef(kMemoryFoodSecond);
    rot_entry_ = FindFoodDef(kRotEntryName);
    initialized_ = true;
    NewGameReset();
}

bool CVemuComp::FillFoodGoods() {
    for (auto& goods : food_goods_) goods.clear();
    for (const FoodGoodsList& goods : kFoodGoodsLists) {
        std::vector<FoodDef*>& list = food_goods_[static_cast<std::size_t>(goods.list)];
        for (const char* name : goods.names) list.push_back(FindFoodDef(name));
        if (goods.list <= kBaseGoodsLists)
            for (FoodDef* def : list) def->mastered = 1;
    }
    return true;
}

void CVemuComp::FillItemGoods() {
    for (auto& goods : item_goods_) goods.clear();
    owned_goods_items_.clear();
    for (const ItemGoodsList& goods : kItemGoodsLists) {
        for (const char* name : goods.names) {
            owned_goods_items_.push_back(CreateItemByName(name));
            item_goods_[static_cast<std::size_t>(goods.list)].push_back(
                owned_goods_items_.back().get());
        }
    }
}

void CVemuComp::Finalize() {
    contest_dish_.reset();
    ClearGameState();
    for (auto& goods : item_goods_) goods.clear();
    owned_goods_items_.clear();
    for (auto& goods : food_goods_) goods.clear();
    book_.Clear();
    ClearFoodCatalogue();
    candidate_dish_.reset();
    made_dish_.reset();
    for (auto& slot : state_.equipped) slot.reset();
    stage_.Finalize();
    initialized_ = false;
}

void CVemuComp::OnLeave() {
    mediator_->StopSceneEvents();
    if (!stage_.music_carries_over()) {
        stage_.music().Stop();
        stage_.music().Close();
    }
}

void CVemuComp::OnReset() { mediator_->ChangeComponent(CTitleComp::kName, 2, 0); }

void CVemuComp::BuildDishChoiceList(std::vector<MenuEntry>& entries) {
    const bool slot_held = chosen_menu_slot_ >= 0 &&
                           chosen_menu_slot_ < static_cast<int>(kitchen_.menu.size()) &&
                           kitchen_.menu[static_cast<std::size_t>(chosen_menu_slot_)];
    stage_.BuildDishChoiceList(
        entries,
        slot_held ? kitchen_.menu[static_cast<std::size_t>(chosen_menu_slot_)].get() : nullptr,
        candidate_dish_.get());
}
