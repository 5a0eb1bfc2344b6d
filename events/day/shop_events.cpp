// The scenes of the shop's own business: the architect's expansion, throwing away the pot's
// ingredients, and saving the game.
#include <string>

#include "game/main/scene_question.h"
#include "game/main/vemu_comp.h"
#include "game/rules/money.h"

namespace {

constexpr int kTopShopLevel = 8;
constexpr int kYes = 0;

}  // namespace

StoryTask CVemuComp::ExpandShopEvent() {
    if (state_.menu_max >= kTopShopLevel) {
        co_await Tell("これ以上店舗を拡張できません");
        co_return;
    }
    const int cost = ShopExpansionCost(state_.menu_max + 1);
    co_await Tell("店舗の拡張には " + std::to_string(cost) + " クル必要ですが\n拡張しますか？",
                  false);
    // The window opens on the answer given last time.
    const int answer = co_await Question(*this);
    if (answer != kYes) co_return;
    if (state_.money > cost) {
        Sound(kSoundBuy).Play(0, 0);
        AddMoney(-cost);
        ++state_.menu_max;
        co_await Tell("店舗を拡張しました");
    } else {
        co_await Tell("お金が足りません");
    }
}

StoryTask CVemuComp::DiscardIngredientsEvent() {
    co_await Tell("選択した食材を捨てますか？", false);
    choice_result_ = 1;
    const int answer = co_await Question(*this);
    if (answer == kYes) {
        Sound(kSoundSelectOff).Play(0, 0);
        DiscardSelection();
    }
    choice_window_.SetCursorShown(false);
    list_window_.SetCursorShown(true);
}

StoryTask CVemuComp::SaveEvent() {
    // Cancelling leaves at once, even after a slot was chosen: the save is then already written.
    co_await CancelOn([this] { return ListCancelled(); });
    co_await Tell("どこにセーブしますか？", false);
    BuildSaveSlotList();
    // A slot's date and time run together in the message font.
    ShowChoiceList(entries_.data(), entry_count_, &font14_);
    co_await Until(handles_.list);
    const int slot = screen_cursor();
    // A failed save keeps the slot's earlier files; saying it worked would lose the game.
    const std::string number = std::to_string(slot + 1);
    if (SaveGame(slot))
        co_await Tell("記録 " + number + " にセーブしました");
    else
        co_await Tell("記録 " + number + " にセーブできませんでした");
}
