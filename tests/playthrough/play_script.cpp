#include "tests/playthrough/play_script.h"

#include <algorithm>

#include "engine/common/sjis.h"
#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/ending/ending_component.h"
#include "game/main/vemu_comp.h"
#include "game/title/title_component.h"
#include "platform/virtual_keys.h"

namespace play_test {

namespace {

// Screens on which a message that waits is the story's or a notice's, read with a decide; on
// the others a decide would be taken by the screen (selling stops, a row is chosen).
bool ReadsMessages(int screen) {
    return screen == kScreenStory || screen == kScreenWaitForMessage || screen == kScreenDishMade;
}

// Screens on which a list under a prompt is a question for the answer table.
bool AsksQuestions(int screen) {
    return screen == kScreenStory || screen == kScreenWaitForMessage ||
           screen == kScreenAddToMenu || screen == kScreenContestDish;
}

constexpr int kStartupFrames = 4000;

}  // namespace

PlayScript::PlayScript(PlayHarness& play, AnswerTable& answers, PlayLog& log, WayChecks& checks)
    : play_(play), answers_(answers), log_(log), checks_(checks) {}

void PlayScript::Frame() {
    play_.Frame();
    log_.Sample(play_);
    checks_.Sample(play_);
}

void PlayScript::Press(Button button) {
    play_.Hold(button, true);
    Frame();
    play_.Hold(button, false);
    Frame();
}

testing::AssertionResult PlayScript::Choose(const std::string& label) {
    testing::AssertionResult chosen = play_.Choose(U8(label));
    log_.Sample(play_);
    if (!chosen) return Fail(chosen.message());
    return chosen;
}

testing::AssertionResult PlayScript::Fail(const std::string& what) const {
    const PlayState& state = play_.state();
    return testing::AssertionFailure()
           << what << "\n"
           << play_.Report() << "\n  " << DateOf(state.clock) << ", money " << state.money
           << ", stamina " << state.stamina << ", kitchen busy " << state.cooking_minutes
           << " min, story " << (play_.game().story().live() ? "on" : "off") << "\nlatest play:\n"
           << log_.Tail();
}

bool PlayScript::Offers(const CSelectEvent& list) const {
    if (!play_.mediator().IsRunning(&list)) return false;
    // The cooking screen's method window stays up, every row grey, under a scene that a
    // finished dish let in; a question offers a row to choose.
    const MenuEntry* entries = list.GetEntries();
    for (int i = 0; entries && i < list.GetCount(); ++i)
        if (entries[i].enabled) return true;
    return false;
}

bool PlayScript::ListRunning() const {
    CVemuComp& game = play_.game();
    return play_.mediator().IsRunning(&game.stage().list_window()) ||
           play_.mediator().IsRunning(&game.select_window());
}

bool PlayScript::Idle(int screen) const {
    if (std::string(play_.CurrentComponent()) != CVemuComp::kName || play_.Switching())
        return false;
    const CVemuComp& game = play_.game();
    return game.screens().id() == screen && !game.screens().entries().empty() &&
           game.screens().entries().back().id == screen && !game.story().live() && ListRunning();
}

bool PlayScript::AtCommands() const { return Idle(kScreenMainCommands); }

testing::AssertionResult PlayScript::Answer() {
    const std::string prompt = play_.Message();
    const AnswerRow* row = answers_.Find(prompt);
    const std::vector<std::string> rows = play_.ChoiceRows();
    if (!row) return Fail("no answer for the question \"" + prompt + "\"");
    const std::string answer = row->answer();
    for (const std::string& label : rows)
        if (label.rfind(answer, 0) == 0) {
            log_.Note(play_, "asked \"" + prompt + "\", answered " + label);
            return Choose(label);
        }
    return Fail("the answer \"" + answer + "\" to \"" + prompt + "\" is no row");
}

testing::AssertionResult PlayScript::HandIn() {
    if (hand_in_.empty()) return Fail("a dish screen with no dish to hand in");
    log_.Note(play_, "hands in " + hand_in_);
    return Choose(hand_in_);
}

testing::AssertionResult PlayScript::Respond() {
    // The staff roll stands on its last page until a decide.
    if (std::string(play_.CurrentComponent()) == CEndingComp::kName && !play_.Switching()) {
        const auto& roll =
            dynamic_cast<const CEndingComp&>(*play_.mediator().GetCurrentComponent());
        if (roll.page() >= CEndingComp::kLastPage) {
            if (!saw_last_page_) log_.Note(play_, "the staff roll's last page");
            saw_last_page_ = true;
            Press(kDecide);
            return testing::AssertionSuccess();
        }
    }
    if (std::string(play_.CurrentComponent()) != CVemuComp::kName || play_.Switching()) {
        Frame();
        return testing::AssertionSuccess();
    }
    CVemuComp& game = play_.game();
    const int screen = game.screens().id();
    const bool waiting = play_.MessageWaiting();
    // The dish screen: its own prompt waits while the dish is chosen; the question about the
    // dish is read before it is asked.
    if (screen == kScreenContestDish && game.screens().play().contest_phase == 0 &&
        play_.mediator().IsRunning(&game.stage().list_window()))
        return HandIn();
    if (screen == kScreenContestDish && game.screens().play().contest_phase == 1 && waiting) {
        Press(kDecide);
        return testing::AssertionSuccess();
    }
    // The screens' own questions keep their prompt waiting under the rows; the story's are
    // asked once the prompt has been read.
    const bool prompt_read = !waiting || screen == kScreenAddToMenu;
    if (AsksQuestions(screen) && prompt_read && Offers(game.stage().choice_window()))
        return Answer();
    if (screen == kScreenStory && !waiting && Offers(game.stage().list_window())) return Answer();
    if (waiting && ReadsMessages(screen)) {
        Press(kDecide);
        return testing::AssertionSuccess();
    }
    // A merchant's shop, opened by his visit: the player leaves it without buying.
    if ((screen == kScreenFoodShop || screen == kScreenToolShop) && game.story().live() &&
        ListRunning()) {
        Press(kCancel);
        return testing::AssertionSuccess();
    }
    Frame();
    return testing::AssertionSuccess();
}

testing::AssertionResult PlayScript::ToCommands(int limit) {
    return RespondUntil([&] { return AtCommands(); }, "day's commands", limit);
}

testing::AssertionResult PlayScript::AwaitScreen(int screen) {
    return RespondUntil(
        [&] {
            // A screen's own prompt may wait on the message handle; it needs no reading.
            return play_.game().screens().id() == screen && ListRunning();
        },
        "screen " + std::to_string(screen));
}

testing::AssertionResult PlayScript::Command(const char8_t* label) {
    if (auto r = ToCommands(); !r) return r;
    return Choose(Utf8(label));
}

testing::AssertionResult PlayScript::EnterNumber(CInputNumberEvent& entry, int value) {
    // The entry starts at 0 on its lowest digit: the digit under the cursor steps with up and
    // down, a step left opens the next digit at 1.
    const std::string digits = std::to_string(value);
    const int top = static_cast<int>(digits.size()) - 1;
    for (int i = 0; i < top; ++i) Press(kLeft);
    for (int at = 0; at <= top; ++at) {
        // Every digit a step left opened stands at 1 already; the lowest at 0.
        const int wanted = digits[static_cast<std::size_t>(at)] - '0' - (at < top ? 1 : 0);
        for (int i = 0; i < wanted; ++i) Press(kUp);
        for (int i = 0; i > wanted; --i) Press(kDown);
        if (at < top) Press(kRight);
    }
    if (entry.GetValue() != value)
        return Fail("the number entry shows " + std::to_string(entry.GetValue()) + ", not " +
                    std::to_string(value));
    Press(kDecide);
    return testing::AssertionSuccess();
}

testing::AssertionResult PlayScript::Buy(const char8_t* shop, const Pot& goods) {
    if (auto r = EnterShop(shop); !r) return r;
    for (const auto& [food, count] : goods) {
        if (auto r = RespondUntil([&] { return Idle(kScreenFoodShop); }, "food shop"); !r) return r;
        if (auto r = Choose(food); !r) return r;
        if (auto r = EnterNumber(play_.game().stage().number_entry(), count); !r) return r;
        const std::string bought =
            Utf8(u8"『") + food + Utf8(u8"』を ") + std::to_string(count) + Utf8(u8" ヶ買いました");
        if (auto r = play_.RunUntilMessage(U8(bought)); !r) return Fail(r.message());
    }
    if (auto r = RespondUntil([&] { return Idle(kScreenFoodShop); }, "food shop"); !r) return r;
    Press(kCancel);
    return LeaveShopList();
}

testing::AssertionResult PlayScript::EnterShop(const char8_t* shop) {
    if (auto r = Command(u8"外出する"); !r) return r;
    if (auto r = Choose(Utf8(u8"商店街")); !r) return r;
    return shop ? Choose(Utf8(shop))
                : RespondUntil([&] { return Idle(kScreenShopList); }, "shop list");
}

testing::AssertionResult PlayScript::LeaveShopList() {
    if (auto r = RespondUntil([&] { return Idle(kScreenShopList); }, "shop list"); !r) return r;
    Press(kCancel);
    return LeaveDestinations();
}

testing::AssertionResult PlayScript::CookHere(const Pot& pot, const char8_t* method) {
    for (const auto& [food, count] : pot)
        for (int unit = 0; unit < count; ++unit) {
            if (auto r = AwaitScreen(kScreenCooking); !r) return r;
            if (auto r = Choose(food); !r) return r;
        }
    Press(kRight);
    last_methods_.clear();
    for (const MenuEntry& row : play_.game().stage().second_entries())
        last_methods_.push_back(sjis::ToUtf8(row.label));
    if (auto r = Choose(Utf8(method)); !r) return r;
    if (auto r = play_.RunUntilScreen(kScreenDishMade); !r) return Fail(r.message());
    // "『name』がNヶできました": the dish as the pantry will list it.
    const std::string made = play_.Message();
    const std::size_t open = made.find(Utf8(u8"『")), close = made.find(Utf8(u8"』"));
    last_dish_ = open == std::string::npos || close == std::string::npos
                     ? std::string()
                     : made.substr(open + Utf8(u8"『").size(), close - open - Utf8(u8"『").size());
    // Back on the cooking screen, unless the story that opened it takes it away (the opening
    // ends once its dish is made).
    return RespondUntil(
        [&] {
            const std::vector<ScreenEntry>& stack = play_.game().screens().entries();
            const bool cooking = std::any_of(stack.begin(), stack.end(), [](const ScreenEntry& e) {
                return e.id == kScreenCooking || e.id == kScreenAfterDishMade ||
                       e.id == kScreenDishMade || e.id == kScreenAddToMenu;
            });
            return (play_.game().screens().id() == kScreenCooking && ListRunning()) || !cooking;
        },
        "cooking screen after the dish");
}

testing::AssertionResult PlayScript::Cook(const Pot& pot, const char8_t* method) {
    if (auto r = Command(u8"料理を作る"); !r) return r;
    if (auto r = CookHere(pot, method); !r) return r;
    Press(kCancel);
    return ToCommands();
}

testing::AssertionResult PlayScript::PutOnMenu(const std::string& dish, int place) {
    if (auto r = Command(u8"メニューを見る"); !r) return r;
    if (auto r = RespondUntil([&] { return Idle(kScreenMenu); }, "menu"); !r) return r;
    const std::vector<std::string> rows = play_.ChoiceRows();
    if (place >= static_cast<int>(rows.size()))
        return Fail("no menu place " + std::to_string(place));
    if (auto r = Choose(rows[static_cast<std::size_t>(place)]); !r) return r;
    if (auto r = Choose(Utf8(u8"メニュー交換")); !r) return r;
    if (auto r = RespondUntil([&] { return Idle(kScreenAddDishToMenu); }, "dishes for the menu");
        !r)
        return r;
    if (auto r = Choose(dish); !r) return r;
    if (auto r = RespondUntil([&] { return Idle(kScreenMenu); }, "menu again"); !r) return r;
    Press(kCancel);
    return ToCommands();
}

testing::AssertionResult PlayScript::Sell(int until_hour) {
    if (auto r = Command(u8"販売する"); !r) return r;
    return RespondUntil(
        [&] {
            CVemuComp& game = play_.game();
            // A decide leaves the selling, and once the shop has closed it reads the last sale,
            // which holds the closing back.
            if (game.screens().id() == kScreenSelling && play_.state().clock.hour >= until_hour &&
                !game.story().live())
                Press(kDecide);
            return game.screens().id() != kScreenSelling && AtCommands();
        },
        "end of selling");
}

testing::AssertionResult PlayScript::RestToMorning() {
    const int day = play_.state().clock.day;
    for (int rest = 0; rest < 8; ++rest) {
        if (auto r = Command(u8"休む"); !r) return r;
        if (auto r = ToCommands(); !r) return r;
        const GameClock& clock = play_.state().clock;
        if (clock.day != day && clock.hour >= 7) return testing::AssertionSuccess();
    }
    return Fail("resting did not reach the morning");
}

testing::AssertionResult PlayScript::Contest(const KitchenSteps& cook_here,
                                             const std::string& dish) {
    set_hand_in(dish);
    if (auto r = Command(u8"外出する"); !r) return r;
    if (auto r = Choose(Utf8(u8"料理大会")); !r) return r;
    bool cooked = false;
    testing::AssertionResult failed = testing::AssertionSuccess();
    testing::AssertionResult r = RespondUntil(
        [&] {
            CVemuComp& game = play_.game();
            if (game.world().contest.running && game.screens().id() == kScreenCooking &&
                ListRunning()) {
                if (!cooked) {
                    cooked = true;
                    if (cook_here) {
                        if (testing::AssertionResult c = cook_here(); !c) {
                            failed = c;
                            return true;
                        }
                        set_hand_in(last_dish_);
                    }
                }
                Press(kCancel);
            }
            if (Idle(kScreenDestinations)) {
                Press(kCancel);
                return false;
            }
            return AtCommands();
        },
        "end of the contest");
    hand_in_.clear();
    return failed ? r : failed;
}

testing::AssertionResult PlayScript::DiscardPantry() {
    if (auto r = Command(u8"料理を作る"); !r) return r;
    while (!play_.kitchen().pantry().empty()) {
        if (auto r = AwaitScreen(kScreenCooking); !r) return r;
        const Pantry& pantry = play_.kitchen().pantry();
        const std::string food = sjis::ToUtf8(pantry.front()->name);
        const std::size_t rows = pantry.size();
        // One food at a time, every unit of it: each discard empties the pot.
        while (play_.kitchen().pantry().size() == rows)
            if (auto r = Choose(food); !r) return r;
        Press(kRight);
        if (auto r = Choose(Utf8(u8"捨てる")); !r) return r;
        // With nothing left the cooking screen says so and closes by itself.
        if (auto r = RespondUntil(
                [&] {
                    return play_.kitchen().selection.empty() &&
                           (Idle(kScreenCooking) || AtCommands());
                },
                "cooking screen after the discard");
            !r)
            return r;
    }
    if (!AtCommands()) Press(kCancel);
    return ToCommands();
}

testing::AssertionResult PlayScript::Save(int slot) {
    answers_.Set(u8"どこにセーブしますか？", Utf8(u8"記録 ") + std::to_string(slot + 1));
    if (auto r = Command(u8"作戦"); !r) return r;
    if (auto r = Choose(Utf8(u8"セーブ")); !r) return r;
    save_message_.clear();
    if (auto r = RespondUntil(
            [&] {
                const std::string message = play_.Message();
                if (message.find(Utf8(u8"にセーブ")) != std::string::npos) save_message_ = message;
                return Idle(kScreenGameMenu);
            },
            "game menu after saving");
        !r)
        return r;
    Press(kCancel);
    return ToCommands();
}

testing::AssertionResult PlayScript::Expand() {
    const int places = play_.state().menu_max;
    answers_.Set(u8"拡張しますか？", Utf8(u8"はい"));
    testing::AssertionResult expanded = Command(u8"外出する");
    if (expanded) expanded = Choose(Utf8(u8"建築事務所"));
    if (expanded) expanded = LeaveDestinations();
    answers_.Set(u8"拡張しますか？", Utf8(u8"いいえ"));
    if (expanded && play_.state().menu_max != places + 1)
        return Fail("the architect did not expand the shop");
    return expanded;
}

testing::AssertionResult PlayScript::LeaveDestinations() {
    if (auto r = RespondUntil([&] { return Idle(kScreenDestinations); }, "destinations"); !r)
        return r;
    Press(kCancel);
    return ToCommands();
}

testing::AssertionResult PlayScript::ShopRows(std::vector<std::string>& rows) {
    if (auto r = EnterShop(nullptr); !r) return r;
    rows = play_.ChoiceRows();
    return LeaveShopList();
}

testing::AssertionResult PlayScript::ResetToTitle() {
    play_.PressKey(platform::vk::kF2);
    log_.Note(play_, "F2");
    if (auto r = play_.RunUntilComponent(CTitleComp::kName, kStartupFrames); !r)
        return Fail(r.message());
    log_.Sample(play_);
    return testing::AssertionSuccess();
}

testing::AssertionResult PlayScript::TitleNewGame() {
    if (auto r = play_.NewGame(); !r) return Fail(r.message());
    log_.Sample(play_);
    return testing::AssertionSuccess();
}

testing::AssertionResult PlayScript::TitleContinue(int slot) {
    if (auto r = play_.RunUntilComponent(CTitleComp::kName, kStartupFrames); !r)
        return Fail(r.message());
    Press(kDecide);
    if (auto r = Choose(Utf8(u8"つづきから")); !r) return r;
    const auto& slots = play_.title().slots();
    title_slots_.assign(slots.begin(), slots.end());
    const std::string wanted = Utf8(u8"記録 ") + std::to_string(slot + 1) + Utf8(u8"：");
    for (const std::string& row : play_.ChoiceRows())
        if (row.rfind(wanted, 0) == 0) {
            if (auto r = Choose(row); !r) return r;
            if (auto c = play_.RunUntilComponent(CVemuComp::kName, kStartupFrames); !c)
                return Fail(c.message());
            return ToCommands();
        }
    return Fail("no title row for slot " + std::to_string(slot + 1));
}

}  // namespace play_test
