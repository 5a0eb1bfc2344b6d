#include "tests/support/play_harness.h"

#include <sstream>

#include "engine/common/sjis.h"
#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "events/story.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/food/food_def.h"
#include "game/rules/pantry.h"
#include "platform/virtual_keys.h"

namespace play_test {

namespace {

// The keys the input device always reads for each virtual button, beside the configured ones.
constexpr int kButtonKeys[] = {
    platform::vk::kUp,     platform::vk::kDown,    platform::vk::kLeft,    platform::vk::kRight,
    platform::vk::kReturn, platform::vk::kNumpad2, platform::vk::kNumpad3, platform::vk::kNumpad4};
constexpr unsigned kFrameMs = 20;
constexpr int kWheelNotch = 120;
// A list's cursor is moved one row per press; past this many the row cannot be reached.
constexpr int kMaxCursorSteps = 200;

std::string Utf8Of(const std::string& cp932) { return sjis::ToUtf8(cp932); }

// The running lists of the current component, top-most first.
std::vector<CSelectEvent*> RunningLists(CQZGameMediator& mediator) {
    std::vector<CSelectEvent*> lists;
    CQZGameComponent* current = mediator.GetCurrentComponent();
    if (auto* game = dynamic_cast<CVemuComp*>(current)) {
        lists = {&game->stage().choice_window(), &game->stage().list_window(),
                 &game->select_window()};
    } else if (auto* novel = dynamic_cast<CQZNVLComponent*>(current)) {
        lists = {&novel->select_window()};
    }
    std::erase_if(lists, [&mediator](CSelectEvent* list) { return !mediator.IsRunning(list); });
    return lists;
}

int RowOf(const CSelectEvent& list, const std::string& label) {
    const MenuEntry* entries = list.GetEntries();
    for (int i = 0; entries && i < list.GetCount(); ++i)
        if (entries[i].enabled && entries[i].label == label) return i;
    return -1;
}

}  // namespace

PantryRows PantryRowsOf(const Pantry& pantry) {
    PantryRows rows;
    for (const auto& food : pantry) rows.emplace_back(food->name, food->amount);
    return rows;
}

PlayHarness::PlayHarness() : PlayHarness(VEMU_GAME_DIR) {}

PlayHarness::PlayHarness(const std::string& game_folder)
    : PlayHarness(game_folder, [](platform::headless::HeadlessBackend&) {}) {}

PlayHarness::PlayHarness(const std::string& game_folder,
                         const std::function<void(platform::headless::HeadlessBackend&)>& prepare) {
    backend.services().folders.game = game_folder;
    prepare(backend);
    backend.services().folders.data = data_.path();
    app_ = std::make_unique<CVemuApp>();
    app_->runtime().graphics.SetDrawRecorder(&recorder_);
    app_->InitInstance();
    // Run starts the game and handles what is queued; the headless queue then runs dry.
    app_->Run();
}

PlayHarness::~PlayHarness() {
    app_->runtime().graphics.SetDrawRecorder(nullptr);
    app_.reset();
}

CVemuComp& PlayHarness::game() const {
    return *dynamic_cast<CVemuComp*>(mediator().FindComponent(CVemuComp::kName));
}

CTitleComp& PlayHarness::title() const {
    return *dynamic_cast<CTitleComp*>(mediator().FindComponent(CTitleComp::kName));
}

void PlayHarness::Pump() {
    platform::Message message;
    while (backend.window.GetMessage(message)) app_->frame()->OnMessage(message);
}

void PlayHarness::Frame() {
    recorder_.Clear();
    backend.clock.Advance(kFrameMs);
    Pump();
    ++frames_run_;
}

void PlayHarness::Frames(int n) {
    for (int i = 0; i < n; ++i) Frame();
}

void PlayHarness::SetPixels(bool pixels) { app_->runtime().graphics.SetNullTarget(!pixels); }

void PlayHarness::Seed(unsigned seed) { Srand(seed); }

void PlayHarness::Hold(Button button, bool held) {
    backend.window.HoldKey(kButtonKeys[button], held);
}

void PlayHarness::Press(Button button, int frames) {
    Hold(button, true);
    Frames(frames);
    Hold(button, false);
    Frame();
}

void PlayHarness::Tap(Button button) {
    Hold(button, true);
    Hold(button, false);
    Frames(2);
}

void PlayHarness::TapClick(int which) {
    backend.window.HoldMouseButton(which, true);
    backend.window.HoldMouseButton(which, false);
    Frames(2);
}

void PlayHarness::PressKey(int virtual_key) {
    backend.window.PostMessage(platform::Message::MakeKey(virtual_key));
    Pump();
}

void PlayHarness::MovePointer(int x, int y) { backend.window.SetCursorPos({x, y}); }

void PlayHarness::Click(int which, int frames) {
    backend.window.HoldMouseButton(which, true);
    Frames(frames);
    backend.window.HoldMouseButton(which, false);
    Frame();
}

void PlayHarness::Wheel(int notches) {
    backend.window.PostMessage(platform::Message::MakeWheel(notches * kWheelNotch));
    Pump();
}

const char* PlayHarness::CurrentComponent() const {
    const CQZGameComponent* current = mediator().GetCurrentComponent();
    return current ? current->GetName() : "";
}

bool PlayHarness::Switching() const { return mediator().GetTransitionMode() != 0; }

std::vector<std::string> PlayHarness::Texts() const {
    std::vector<std::string> out;
    for (const DrawOp& op : recorder_.OfKind(DrawOp::Kind::Text)) out.push_back(Utf8Of(op.text));
    return out;
}

std::string PlayHarness::Message() const { return Utf8Of(game().message_output().GetText()); }

bool PlayHarness::MessageWaiting() const {
    // Whoever showed it, a screen or a scene, waits on it through the window's handle.
    CMessageOutEvent& window = game().message_output();
    const WaitHandle* reader = window.wait_handle();
    return reader && reader->state == WaitHandle::kWaiting && mediator().IsRunning(&window);
}

std::vector<std::string> PlayHarness::ChoiceRows() const {
    std::vector<std::string> rows;
    for (const CSelectEvent* list : RunningLists(mediator())) {
        const MenuEntry* entries = list->GetEntries();
        for (int i = 0; entries && i < list->GetCount(); ++i)
            rows.push_back(Utf8Of(entries[i].label) + (entries[i].enabled ? "" : " (disabled)"));
    }
    return rows;
}

std::string PlayHarness::Report() const {
    const CVemuComp& game = this->game();
    std::ostringstream out;
    out << "after " << frames_run_ << " frames, component " << CurrentComponent()
        << (Switching() ? " (switching)" : "") << ", screen " << game.screens().id() << ", stack [";
    const char* separator = "";
    for (const ScreenEntry& entry : game.screens().entries()) {
        out << separator << entry.id << "/" << entry.saved_cursor;
        separator = ", ";
    }
    out << "]\n  message: \"" << Message() << "\"\n  rows:";
    const std::vector<std::string> rows = ChoiceRows();
    if (rows.empty()) out << " (no list running)";
    for (const std::string& row : rows) out << "\n    " << row;
    return out.str();
}

template <typename Done>
testing::AssertionResult PlayHarness::RunUntil(Done done, int limit, const std::string& what) {
    for (int i = 0; i <= limit; ++i) {
        if (done()) return testing::AssertionSuccess();
        if (i < limit) Frame();
    }
    return testing::AssertionFailure()
           << "no " << what << " within " << limit << " frames; " << Report();
}

testing::AssertionResult PlayHarness::RunUntilComponent(const char* name, int limit) {
    return RunUntil([&] { return std::string(CurrentComponent()) == name; }, limit,
                    std::string("component ") + name);
}

testing::AssertionResult PlayHarness::RunUntilScreen(int screen, int limit) {
    return RunUntil(
        [&] {
            const CVemuComp& g = game();
            return std::string(CurrentComponent()) == CVemuComp::kName &&
                   g.screens().id() == screen && !g.screens().entries().empty() &&
                   g.screens().entries().back().id == screen;
        },
        limit, "screen " + std::to_string(screen) + " on top");
}

testing::AssertionResult PlayHarness::RunUntilMessage(const char8_t* text, int limit) {
    const std::string wanted = Sjis(text);
    return RunUntil(
        [&] { return game().message_output().GetText().find(wanted) != std::string::npos; }, limit,
        "message with \"" + testing_support::Utf8(text) + "\"");
}

testing::AssertionResult PlayHarness::StartOnMainCommands() {
    if (auto started = NewGame(); !started) return started;
    SkipOpening();
    if (auto shown = RunUntilScreen(kScreenMainCommands); !shown) return shown;
    return RunUntil([&] { return !Switching(); }, kFrameLimit, "the fade into the game over");
}

testing::AssertionResult PlayHarness::ReadUntilRow(const char8_t* row, int limit) {
    const std::string wanted = testing_support::Utf8(row);
    for (int i = 0; i < limit; ++i) {
        for (const std::string& shown : ChoiceRows())
            if (shown == wanted) return testing::AssertionSuccess();
        if (game().message_output().IsWaiting())
            Press(kDecide);
        else
            Frame();
    }
    return testing::AssertionFailure() << "no row " << wanted << "; " << Report();
}

testing::AssertionResult PlayHarness::Choose(const char8_t* label, int limit) {
    const std::string wanted = Sjis(label);
    const std::string what = "row \"" + testing_support::Utf8(label) + "\"";
    CSelectEvent* list = nullptr;
    int row = -1;
    testing::AssertionResult shown = RunUntil(
        [&] {
            for (CSelectEvent* running : RunningLists(mediator()))
                if ((row = RowOf(*running, wanted)) >= 0) {
                    list = running;
                    return true;
                }
            return false;
        },
        limit, what + " in a running list");
    if (!shown) return shown;
    // A list may open with its cursor hidden; a direction press brings it back.
    if (!list->IsCursorShown()) Press(kUp);
    for (int step = 0; step < kMaxCursorSteps && mediator().IsRunning(list); ++step) {
        if (!list->IsCursorShown())
            return testing::AssertionFailure()
                   << "the cursor of the list with " << what << " stays hidden; " << Report();
        const int at = list->GetIndex();
        if (at == row) break;
        Press(at < row ? kDown : kUp);
    }
    if (!mediator().IsRunning(list) || list->GetIndex() != row)
        return testing::AssertionFailure()
               << "the cursor did not reach " << what << "; " << Report();
    // The decide ends the list, which its owner may start again at once with new rows; a list
    // that ran on through both frames of the press did not take it.
    const int frames_before = list->frame_count();
    Press(kDecide);
    if (mediator().IsRunning(list) && list->frame_count() == frames_before + 2)
        return testing::AssertionFailure()
               << "the list did not take the decide on " << what << "; " << Report();
    return testing::AssertionSuccess();
}

testing::AssertionResult PlayHarness::NewGame() {
    testing::AssertionResult title = RunUntilComponent(CTitleComp::kName);
    if (!title) return title;
    // A decide press shows the menu without waiting for the logo to open.
    Press(kDecide);
    testing::AssertionResult chosen = Choose(u8"はじめから");
    if (!chosen) return chosen;
    return RunUntil(
        [&] {
            return std::string(CurrentComponent()) == CVemuComp::kName &&
                   game().view().frame_counter() >= 1;
        },
        kFrameLimit, "first frame of the main game");
}

void PlayHarness::SkipOpening() {
    CVemuComp& g = game();
    g.story().Reset();
    g.state().first = 0;
    while (g.screens().entries().size() > 1 && g.screens().id() != kScreenMainCommands)
        g.screens().Pop();
}

void PlayHarness::SetMoney(int money) {
    state().money = state().shown_money = money;
    mediator().SetValue("money", money, true);
}

void PlayHarness::SetDate(int year, int month, int day, int hour, int minute) {
    state().clock = GameClock{year, month, day, hour, minute};
}

Food* PlayHarness::AddToPantry(const char8_t* name, float amount) {
    FoodDef* def = FindFoodDef(Sjis(name));
    EXPECT_NE(def, nullptr) << testing_support::Utf8(name) << " is not in the catalogue";
    return def ? AddFood(kitchen(), def, amount) : nullptr;
}

MenuDish* PlayHarness::AddToMenu(const char8_t* name, float amount) {
    FoodDef* def = FindFoodDef(Sjis(name));
    EXPECT_NE(def, nullptr) << testing_support::Utf8(name) << " is not in the catalogue";
    if (!def) return nullptr;
    const std::unique_ptr<Food> food = Food::FromDef(def);
    kitchen().menu.push_back(std::make_unique<MenuDish>(*food, amount));
    return kitchen().menu.back().get();
}

CItem* PlayHarness::AddToBag(const char8_t* name, int count) {
    const std::string item = Sjis(name);
    EXPECT_NE(FindItemRow(item), nullptr) << testing_support::Utf8(name) << " is no item";
    GiveItem(game().state(), game().mediator().items(), item, count);
    return mediator().items().GetItemAt(mediator().items().FindItemIndex(item.c_str()));
}

CItem* PlayHarness::Wear(int slot, const char8_t* name) {
    auto& worn = state().equipped[static_cast<std::size_t>(slot)];
    worn = CreateItemByName(Sjis(name));
    EXPECT_NE(worn, nullptr) << testing_support::Utf8(name) << " is no item";
    return worn.get();
}

void PlayHarness::OpenPlace(int place, bool open) {
    state().place_flags[static_cast<std::size_t>(place)] = open ? 1 : 0;
}

void PlayHarness::SetShare(int share, bool owned) {
    state().share_flags[static_cast<std::size_t>(share)] = owned ? 1 : 0;
}

void PlayHarness::SetStoryStage(int stage) { state().story_stage = stage; }

void PlayHarness::SetContestsWon(int contests) { state().contests_won = contests; }

void PlayHarness::ShowScreen(int screen) {
    CVemuComp& g = game();
    if (g.screens().entries().empty() && screen != kScreenMainCommands)
        g.screens().Push(kScreenMainCommands);
    g.screens().Push(screen);
}

}  // namespace play_test
