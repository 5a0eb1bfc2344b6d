// Opening a screen: what each screen shows when it becomes the open one (its list, the prompt
// above it, or the notice that replaces it when it has nothing to show).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "engine/framework/game_mediator.h"
#include "game/economy/pantry_list.h"
#include "game/main/vemu_comp.h"
#include "game/screens/economy_lists.h"
#include "game/screens/play_lists.h"

namespace {

// Fills a list's entry array and returns its length.
using ListBuilder = int (*)(CVemuComp& game, std::vector<MenuEntry>& entries);

int BuildPantryRows(CVemuComp& game, std::vector<MenuEntry>& entries) {
    BuildPantryList(game.kitchen(), game.state().align_type, entries);
    return static_cast<int>(entries.size());
}

int BuildKeepWhichDishList(CVemuComp& game, std::vector<MenuEntry>& entries) {
    game.BuildDishChoiceList(entries);
    return static_cast<int>(entries.size());
}

// What a screen opens, besides its list: steps in the order they run.
enum OpenStep : unsigned {
    kStopListWaiters = 1u << 0,
    kStopMessageWaiters = 1u << 1,
    kShowList = 1u << 2,
    kMouse = 1u << 3,
    kHideChoiceCursor = 1u << 4,
    kStartIcons = 1u << 5,
    kAskYesNo = 1u << 6,
    // Closes the message window: a read message no longer waits on anything, so stopping the
    // waiters would leave the screen below's question standing.
    kCloseMessage = 1u << 7,
};

struct ScreenPlan {
    unsigned steps = 0;
    const char* prompt = nullptr;  // shown while the list is open
    // Null while the rows of the list come with the screen's own work; the list then opens empty.
    ListBuilder rows = nullptr;
};

// By screen id. The screens that decide something before they open (a notice instead of the
// list, a rule to work out first) also have a step of their own in OpenScreen.
const ScreenPlan kPlans[kScreenCount] = {
    /* 0 */ {},
    /* 1 main commands */ {kShowList, "何をしますか？", BuildMainCommandList},
    /* 2 destinations */ {kShowList, "どこに行きますか？", BuildDestinationList},
    /* 3 shop list */ {kStopListWaiters, "どの店に行きますか？"},
    /* 4 food shop */ {kShowList | kMouse, "何を買いますか？", BuildFoodShopGoods},
    /* 5 tool shop */ {0, "何を買いますか？"},
    /* 6 stock exchange */ {kShowList | kMouse, "どの銘柄を買いますか？", BuildShareGoods},
    /* 7 pawn shop */ {0, "何を売りますか？"},
    // Selling speaks only of what sells: the main commands' question is not left in the window.
    /* 8 selling */ {kStopMessageWaiters | kCloseMessage},
    /* 9 cooking */
    {kShowList | kHideChoiceCursor | kStartIcons, "食材を選んでください", BuildPantryRows},
    /* 10 cooking in progress */ {kStopMessageWaiters},
    /* 11 dish made */ {},
    /* 12 add to the menu */ {kStopListWaiters | kAskYesNo, "メニューに追加しますか？"},
    /* 13 menu full */
    {kShowList, "メニューがいっぱいです\nどのメニューと置き換えますか？", BuildMenuRows},
    /* 14 keep which dish */
    {kShowList, "同じメニューがあります\nどちらのメニューを削除しますか？", BuildKeepWhichDishList},
    /* 15 */ {},
    /* 16 menu */ {kShowList | kHideChoiceCursor, "メニューを選んでください", BuildMenuRows},
    /* 17 add a dish to the menu */
    {kShowList, "メニューに登録する料理を選んでください", BuildPantryRows},
    /* 18 message to read */ {kStopListWaiters},
    /* 19 story */ {kStopListWaiters},
    /* 20 in-game menu */ {kShowList, "何をしますか？", BuildGameMenuList},
    /* 21 ingredient dictionary */ {kShowList, nullptr, BuildIngredientDictionaryList},
    /* 22 recipe book */ {kShowList, nullptr, BuildRecipeBookList},
    /* 23 contest hall */ {},
    /* 24 contest dish */ {kShowList, "提出する料理を選んでください", BuildPantryRows},
    /* 25 owned items */ {kShowList | kStartIcons, "所持品を選んでください", BuildOwnedItemList},
    /* 26 outing */ {kStopMessageWaiters},
    // Resting says nothing: the question of the screen below is not left in the window.
    /* 27 resting */ {kStopMessageWaiters | kCloseMessage},
    /* 28 */ {},
    /* 29 equipment */ {kShowList, "装備品を選んでください", BuildEquipmentSlotList},
    /* 30 settings */ {kShowList, "設定項目を選んでください", BuildSettingsList},
    /* 31 text speed */ {kShowList, "速さを選んでください", BuildTextSpeedList},
    /* 32 music volume */ {kShowList, "音楽の音量を選んでください", BuildVolumeList},
    /* 33 effect volume */ {kShowList, "効果音の音量を選んでください", BuildVolumeList},
};

// The shops of the shopping street; the stock exchange joins them once the first share is held.
const char* const kShops[] = {"雑貨屋", "八百屋", "果物屋", "肉屋", "道具屋", "質屋", "証券取引所"};
constexpr int kShopsWithoutExchange = 6;
constexpr int kShopRows = 8;

const char* const kNoItems = "所持品がありません";
const char* const kNoFoods = "食材がありません";
const char* const kNoMenu = "メニューがありません";
const char* const kIngredientsGone = "材料がなくなりました";

// The cooking screen's second list: the methods the utensils offer for the pot, in the method
// window beside it.
void BuildMethodList(CVemuComp& game) {
    std::vector<MenuEntry>& methods = game.second_entries();
    game.BuildMethodMenu(methods);
    game.OpenMethodWindow(methods.data(), static_cast<int>(methods.size()));
}

// "『name』が" and how much of it: whole units, or 少し below one.
std::string DishMadeNotice(const Food& dish) {
    std::string text = "『" + dish.name + "』が";
    if (dish.amount >= 1.0f) {
        // Printed from the truncated float itself, so an amount beyond int still reads right.
        const double whole =
            std::trunc(std::min<double>(dish.amount, std::numeric_limits<float>::max()));
        char number[48];
        std::snprintf(number, sizeof number, "%.0f", whole);
        text += number;
        text += "ヶ";
    } else {
        text += "少し";
    }
    return text + "できました";
}

}  // namespace

int CVemuComp::OpenScreen(int id) {
    // A screen takes its number entry's answer in the frame it comes, before it opens another
    // screen; one still unread now was given to a screen that is gone, and nobody waits for it.
    for (WaitHandle* own : {&handles_.quantity, &handles_.restock})
        if (own->IsDone()) own->Reset();
    screen_id_ = id;
    StopSelect();
    if (id < 0 || id >= kScreenCount) return 1;
    const ScreenPlan& plan = kPlans[id];
    std::string prompt = plan.prompt ? plan.prompt : "";

    switch (id) {
        case kScreenMainCommands:
            BuildShopStatusText();
            list_window_.SetTop(0);
            break;
        case kScreenPawnShop:
            if (mediator_->items().GetSize() == 0) {
                OpenNotice(kNoItems);
                return 1;
            }
            break;
        case kScreenSelling:
            UpdateMenuAvailability();
            break;
        case kScreenCooking:
            if (kitchen_.selection.empty() && kitchen_.pantry().empty()) {
                OpenNotice(kNoFoods);
                return 1;
            }
            break;
        case kScreenMenu:
            UpdateMenuAvailability();
            if (kitchen_.menu.empty()) {
                OpenNotice(kNoMenu);
                return 1;
            }
            break;
        case kScreenStory:
            SetNoFastForward(false);
            break;
        case kScreenContestHall:
            // The hall is a scene on the story screen, in the hall's place; when no scene can
            // start now the player stays where the hall was chosen.
            if (!StartStoryEvent(StoryEvent::kContestHall, true)) PopScreen();
            return 1;
        case kScreenRecipeBook: {
            // A book of plain ingredients only has no recipes to count: 0 %, not a division.
            const long long recipes =
                static_cast<long long>(book_.recipes.size()) - kPlainIngredientCount;
            const long long percent = recipes > 0 ? known_recipes_ * 100LL / recipes : 0;
            char text[96];
            std::snprintf(text, sizeof text, "現在のレシピ総数は %d\n達成率は %lld％ です",
                          known_recipes_, percent);
            prompt = text;
            break;
        }
        default:
            break;
    }

    if (plan.steps & kStopListWaiters) mediator_->StopEventsWaitingOn(&handles_.list);
    if (plan.steps & kStopMessageWaiters) mediator_->StopEventsWaitingOn(&handles_.message);
    if (plan.steps & kCloseMessage) mediator_->StopEvent(&message_output());

    switch (id) {
        case kScreenShopList: {
            const int shops =
                state_.share_flags[0] ? kShopsWithoutExchange + 1 : kShopsWithoutExchange;
            const char* labels[kShopsWithoutExchange + 2] = {};
            std::copy(kShops, kShops + shops, labels);
            StartSelect(&handles_.list, CShopEvent::kListX, CShopEvent::kListY, &screen_cursor_,
                        labels, kShopRows);
            break;
        }
        case kScreenToolShop:
            shop_window_.BuildBuyList(false, 1.0f, &item_goods(goods_in_use_), &screen_cursor_,
                                      kShopRows, state_.money);
            shop_window_.Start(&handles_.list);
            break;
        case kScreenPawnShop:
            shop_window_.BuildSellList(0.5f, &screen_cursor_, kShopRows);
            shop_window_.Start(&handles_.list);
            break;
        case kScreenSelling:
            if (kitchen_.menu.empty())
                OpenNotice(kNoMenu);
            else if (!AnyServableDish())
                OpenNotice(kIngredientsGone);
            return 1;
        case kScreenCookingInProgress:
            list_window_.Stop();
            choice_window_.Stop();
            break;
        case kScreenDishMade:
            if (made_dish_) {
                ShowMessage(&handles_.message, DishMadeNotice(*made_dish_).c_str(), true);
                mediator_->StopEventsWaitingOn(&handles_.list);
                DiscardSelection();
            }
            return 1;
        default:
            break;
    }

    if (plan.steps & kShowList) {
        entry_count_ = plan.rows ? plan.rows(*this, entries_) : 0;
        if (!plan.rows) entries_.clear();
        if (id == kScreenCooking) BuildMethodList(*this);
        if (plan.steps & kMouse) list_window_.EnableMouse(true);
        ShowChoiceList(entries_.data(), entry_count_);
    }
    if (plan.steps & kHideChoiceCursor) choice_window_.SetCursorShown(false);
    if (plan.steps & kStartIcons)
        for (CIconEvent& icon : icons_) icon.Start(nullptr);
    if (!prompt.empty()) OpenPrompt(prompt.c_str());
    if (plan.steps & kAskYesNo) AskYesNo(&handles_.list);
    return 1;
}
