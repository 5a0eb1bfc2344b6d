// The scenes of the shop's own business: the architect's expansion, throwing away the pot's
// ingredients, and saving the game.
#include <string>

#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/main/scene_question.h"
#include "game/main/vemu_comp.h"
#include "game/rules/money.h"
#include "game/rules/pantry.h"
#include "game/screens/list_input.h"

namespace {

constexpr int kTopShopLevel = 8;
constexpr int kYes = 0;

}  // namespace

StoryTask Story::ExpandShopEvent() {
    if (state_.menu_max >= kTopShopLevel) {
        co_await Tell("これ以上店舗を拡張できません");
        co_return;
    }
    const int cost = ShopExpansionCost(state_.menu_max + 1);
    co_await Tell("店舗の拡張には " + std::to_string(cost) + " クル必要ですが\n拡張しますか？",
                  false);
    // The window opens on the answer given last time.
    const int answer = co_await Question(stage_);
    if (answer != kYes) co_return;
    if (state_.money > cost) {
        stage_.Sound(kSoundBuy).Play(0, 0);
        AddMoney(state_, mediator_->values(), -cost);
        ++state_.menu_max;
        co_await Tell("店舗を拡張しました");
    } else {
        co_await Tell("お金が足りません");
    }
}

StoryTask Story::DiscardIngredientsEvent() {
    co_await Tell("選択した食材を捨てますか？", false);
    stage_.set_choice_result(1);
    const int answer = co_await Question(stage_);
    if (answer == kYes) {
        stage_.Sound(kSoundSelectOff).Play(0, 0);
        DiscardSelection(kitchen_);
    }
    stage_.choice_window().SetCursorShown(false);
    stage_.list_window().SetCursorShown(true);
}

StoryTask Story::SaveEvent() {
    // Cancelling leaves at once, even after a slot was chosen: the save is then already written.
    co_await CancelOn([this] { return ListCancelled(game_); });
    co_await Tell("どこにセーブしますか？", false);
    game_.BuildSaveSlotList();
    // A slot's date and time run together in the message font.
    SceneHandle chosen(stage_.list_window());
    stage_.ShowChoiceList(stage_.entries().data(), stage_.entry_count(), screens_.cursor(),
                          chosen.get(), &stage_.panel_font());
    co_await Until(*chosen);
    const int slot = screens_.cursor();
    // A failed save keeps the slot's earlier files; saying it worked would lose the game.
    const std::string number = std::to_string(slot + 1);
    if (game_.SaveGame(slot))
        co_await Tell("記録 " + number + " にセーブしました");
    else
        co_await Tell("記録 " + number + " にセーブできませんでした");
}
