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
#include "game/food/food_def.h"
#include "game/main/draw_text.h"
#include "game/main/goods_lists.h"
#include "game/main/required_names.h"
#include "game/title/title_component.h"

CVemuComp::CVemuComp() {
    SetName(kName);
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

    if (!LoadDataFiles(world_.book)) {
        // The loader has said which file failed; there is no game without it.
        mediator_->RequestQuit();
        return;
    }
    const std::vector<std::string> missing = MissingRequiredNames(world_.book);
    if (!missing.empty()) {
        ShowMessageBox(MissingNamesMessage(missing).c_str(), "Error");
        mediator_->RequestQuit();
        return;
    }
    FillFoodGoods(world_);
    FillItemGoods(world_);
    world_.memory_food_first = FindFoodDef(kMemoryFoodFirst);
    world_.memory_food_second = FindFoodDef(kMemoryFoodSecond);
    world_.rot_entry = FindFoodDef(kRotEntryName);
    initialized_ = true;
    NewGameReset();
}

void CVemuComp::Finalize() {
    world_.contest_dish.reset();
    ClearGameState();
    for (auto& goods : world_.item_goods) goods.clear();
    world_.owned_goods_items.clear();
    for (auto& goods : world_.food_goods) goods.clear();
    world_.book.Clear();
    ClearFoodCatalogue();
    world_.candidate_dish.reset();
    world_.made_dish.reset();
    for (auto& slot : world_.state.equipped) slot.reset();
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
