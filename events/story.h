// The story: every scene of the game is a member coroutine of this class, defined in its group's
// folder. It runs them through its own StoryRunner, whose host it is, and reaches the game through
// the parts it holds references to: the play world, the stage, the screen stack and the
// component's visual-novel layer; the component itself only for what is its own (saving, the
// slot list, going back to the title). The main component holds it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "events/runtime/story_event.h"
#include "events/runtime/story_host.h"
#include "events/runtime/story_runner.h"
#include "events/runtime/story_task.h"
#include "game/main/screen_stack.h"
#include "game/main/stage.h"
#include "game/rules/play_world.h"

class CDirectInput;
class CMouseEvent;
class CQZGameMediator;
class CQZNVLComponent;
class CVemuComp;

class Story final : public StoryHost {
public:
    // The scene that plays a story row, one pass per frame on the story screen.
    using StoryScene = StoryTask (Story::*)();
    struct StorySceneRow {
        StoryEvent row;
        StoryScene scene;
    };

    explicit Story(CVemuComp& game);
    Story(const Story&) = delete;
    Story& operator=(const Story&) = delete;

    // --- the runner (story.cpp) ---
    // Pushes the story screen (or puts it in place of the top one) with a fresh scene of the
    // row; false when the row has no scene yet or the current event waits on a screen it pushed.
    bool Start(StoryEvent row, bool replace = false) { return runner_.Start(row, replace); }
    void RunFrame() { runner_.RunFrame(); }
    // No scene resumes from a step of an earlier play.
    void Reset() { runner_.Reset(); }
    bool live() const { return runner_.live(); }
    std::optional<StoryEvent> last_row() const { return runner_.last_row(); }

    // One line of a speaker: the portrait (with its cross-fade), then the message.
    StoryTask Say(std::string text, int character, int expression);

    // The day's scenes, the story scheduler, the morning and the month (events/day/,
    // events/scheduler/, events/morning/, events/month/).
    // After game time has passed: starts at most one thing, a scene or a notice.
    void ScheduleStory();
    StoryTask MorningEvent();
    StoryTask NightEvent();
    StoryTask ExpandShopEvent();
    StoryTask DiscardIngredientsEvent();
    StoryTask SaveEvent();
    StoryTask FatigueEvent();
    StoryTask WakeAfterCollapseEvent();
    StoryTask MorningRoutineEvent();
    StoryTask MonthlyReportEvent();
    StoryTask RecipeRewardEvent();
    // The day's scenes ask for their music here: the last piece asked for stays readable.
    bool SceneMusic(WaitHandle* handle, int id);
    int scene_music() const { return scene_music_; }
    // The parts of the scenes above, each a sub-event.
    StoryTask OpeningPrologue();
    StoryTask OpeningBirthday();
    StoryTask OpeningHandover();
    StoryTask MemoryDishReminder();
    StoryTask MorningGoods();
    StoryTask ForestRequest();
    StoryTask NarfDream();
    StoryTask WhiteMagicDream();
    StoryTask PancakeDream();
    StoryTask KinshipDream();
    StoryTask ManaFruitDream();
    StoryTask SnowDream();
    StoryTask FrozenWorldDream();

    // The contests (events/contest/).
    StoryTask ContestHallEvent();
    StoryTask ContestEvent();
    // Back from a contest to the hall's own picture.
    StoryTask EnterContestHall();
    StoryTask MountMailVerdict(int score);
    StoryTask TasteKingTasting(int score);
    StoryTask ContestVote();
    // Puts the story screen up for the contest of the contests won; false, with the notice that
    // none is left, once all twelve are won.
    bool StartContest();
    void StockContestPantry();
    // A win's prize: the contests won go up and the answer's prize is given; its label.
    std::string AwardContestPrize(int contest, int choice);
    // The score the judges give the contest dish; 0 without one.
    int ContestDishScore() const;

    // The visitors (events/visitors/).
    StoryTask TasteKingVisitEvent();
    StoryTask MountMailVisitEvent();
    StoryTask RagoAdvertisingEvent();
    // The travelling merchant's four trades, each a row of the one merchant scene.
    StoryTask MerchantRareGoodsEvent();
    StoryTask MerchantBeansEvent();
    StoryTask MerchantLuckyGoodsEvent();
    StoryTask MerchantPansEvent();
    StoryTask MerchantEvent(int variant);
    // The shop screen again and again until the player says no more, then the thanks.
    StoryTask MerchantBuyLoop(int screen, std::string again, std::string thanks);
    StoryTask OddOrderCustomerEvent();
    StoryTask NeighbourGiftEvent();
    // A message under the speaker shown now; one left open stays on screen under the question
    // asked once it has been read.
    StoryTask Tell(std::string text, bool close_when_done = true);
    // A visitor's dish: the menu's servable marks are brought up to date first, since a night's
    // spoiling may have left them stale. Null when nothing can be served.
    MenuDish* PickDishForVisitor();
    // One portion served to a visitor from the pantry, the menu check after it; false when it
    // could not be served, and then nothing is paid or counted.
    bool ServeToVisitor(MenuDish& dish);
    // A served portion paid and told; counted toward the dish's fame and the reputation unless
    // the visitor judges the shop himself.
    StoryTask SellToVisitor(MenuDish& dish, bool counted);

    // The story chains (events/chains/).
    StoryTask NarfRumourEvent();
    StoryTask NarfLasagnaEvent();
    StoryTask BromusCherryVisitEvent();
    StoryTask CherryLostEvent();
    StoryTask BromusSearchEvent();
    StoryTask CherryFoundEvent();
    StoryTask TasteKingCounselEvent();
    StoryTask CherryIllVisitEvent();
    // Played by the ill visit when the cure is at hand; it ends in the staff roll and back.
    StoryTask MemorialCureEvent();
    StoryTask NarfRequestEvent();
    StoryTask MysteryBagEvent();
    StoryTask CompanyFoundingEvent();
    // A dish the visitor orders in its own words (prefix, name, suffix), paid and served.
    StoryTask VisitorSale(MenuDish* dish, std::string prefix, std::string suffix, int character,
                          int expression);

    // The title demo (events/demo/).
    // Starts the demo on the story screen, over whatever the game holds.
    void StartTitleDemo();
    StoryTask TitleDemoEvent();
    // Set once the demo has ended or been cut short by a touch; clear from its start on.
    static bool title_demo_ended();
    StoryTask PlayDemoSketch(int sketch);
    StoryTask SayInDemo(WaitHandle* shown, std::string text, int character, int expression);
    // Waits for the handle (none: only looks) and ends the demo when the player touches anything.
    StoryTask WatchTitleDemo(const WaitHandle* until);
    bool TitleDemoTouched() const;
    StoryTask LeaveTitleDemo();

    // --- StoryHost: the runner's view of the game ---
    void PushScreen(int id) override { screens_.Push(id, -1); }
    void PopScreen() override { screens_.Pop(); }
    void ReplaceScreen(int id) override { screens_.Replace(id); }
    bool IsScreenOnTop(int id) const override { return screens_.id() == id; }
    void SetSpeaker(int character) override { stage_.set_speaker(character); }
    int StoryScreen() const override { return kScreenStory; }
    int RestingSpeaker() const override { return kRago; }
    // From the one table of scenes (events/story_table.cpp).
    StoryTask MakeStoryEvent(StoryEvent row) override;

private:
    // What the scenes work on, named as the parts' owner names them.
    CVemuComp& game_;
    // The component's visual-novel layer: the message window, waits, fades and voices.
    CQZNVLComponent& novel_;
    PlayWorld& world_;
    Stage& stage_;
    ScreenStack& screens_;
    PlayState& state_;
    Kitchen& kitchen_;
    RecipeBook& book_;
    Stage::Handles& handles_;
    ContestState& contest_;
    std::unique_ptr<Food>& contest_dish_;
    CQZGameMediator* mediator_;
    CMouseEvent* mouse_;
    CDirectInput* input_;

    int scene_music_ = 0;
    // Last, so that live scenes go before anything above that they wait on.
    StoryRunner runner_{*this};
};
