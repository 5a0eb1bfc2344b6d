// The title demo: one or two sketches of ヴェム and ゼルバ over whatever the main game holds,
// each line on a timer, until a touch or the last line sends the player back to the title.
#include "engine/common/system.h"
#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"
#include "events/demo/title_demo_lines.h"
#include "events/story.h"
#include "game/main/scene_question.h"
#include "game/main/vemu_comp.h"

using namespace title_demo;

namespace {

// Set once the demo has ended or been cut short; while it is set no touch is looked for.
std::uint8_t demo_ended = 0;

// Nothing ever signals it: a demo that has handed back to the title rests on it.
const WaitHandle kNeverDone;

constexpr int kLineMilliseconds = 5000;
constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;

}  // namespace

bool Story::title_demo_ended() { return demo_ended != 0; }

void Story::StartTitleDemo() {
    Reset();
    // The first frame of this demo looks for a touch too, whatever the last one left.
    demo_ended = 0;
    // A story screen left without its scene (the last demo rests on one) gives its place to this
    // demo rather than piling up under it.
    const bool on_story_screen =
        !screens_.entries().empty() && screens_.entries().back().id == kScreenStory;
    Start(StoryEvent::kTitleDemo, on_story_screen);
}

StoryTask Story::TitleDemoEvent() {
    co_await WatchTitleDemo(nullptr);
    demo_ended = 0;
    const int sketch = Rand() % kSketchCount;
    if (sketch == kApple) co_await PlayDemoSketch(kApple);
    if (sketch == kNewDish) co_await PlayDemoSketch(kNewDish);
    if (sketch == kLetter)
        co_await PlayDemoSketch(kLetter);
    else
        co_await PlayDemoSketch(kContest);
    co_await LeaveTitleDemo();
}

StoryTask Story::PlayDemoSketch(int sketch) {
    // Nobody reads the lines: each stays on screen for its time under the sketch's one handle.
    SceneHandle shown(novel_.message_output());
    for (const Line& line : SketchLines(static_cast<Sketch>(sketch)))
        co_await SayInDemo(shown.get(), line.text, line.speaker, line.expression);
}

StoryTask Story::SayInDemo(WaitHandle* shown, std::string text, int character, int expression) {
    stage_.ChangePortrait(&handles_.portrait, character, expression);
    co_await WatchTitleDemo(&handles_.portrait);
    stage_.ShowMessage(shown, text.c_str(), true);
    // The line stays for its time however fast it types: a click ends the demo instead.
    novel_.Wait(&handles_.music, kLineMilliseconds);
    co_await WatchTitleDemo(&handles_.music);
}

StoryTask Story::WatchTitleDemo(const WaitHandle* until) {
    for (;;) {
        // Looked at before anything else in the frame, so a touched frame plays nothing more.
        if (TitleDemoTouched()) co_await LeaveTitleDemo();
        if (!until || until->IsDone()) co_return;
        co_await NextFrame();
    }
}

bool Story::TitleDemoTouched() const {
    if (demo_ended) return false;
    // Held, not freshly pressed: a button still down from the title ends the demo at once.
    return mouse_->GetButton(kLeftButton) != 0 || mouse_->GetButton(kRightButton) != 0 ||
           input_->GetCount(kButtonDecide) != 0;
}

StoryTask Story::LeaveTitleDemo() {
    demo_ended = 1;
    game_.OnReset();
    // Ending here would pop the story screen and let the screen below it (an outing or a rest of
    // the game left by F2) run during the fade back to the title, moving that game on. The demo
    // stays where it is until the next start or a new game drops it.
    co_await Until(kNeverDone);
}
