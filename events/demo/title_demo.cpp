// The title demo: one or two sketches of ヴェム and ゼルバ over whatever the main game holds,
// each line on a timer, until a touch or the last line sends the player back to the title.
#include <utility>

#include "engine/common/system.h"
#include "engine/framework/mouse_event.h"
#include "engine/input/direct_input.h"
#include "events/demo/title_demo_lines.h"
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

bool CVemuComp::title_demo_ended() { return demo_ended != 0; }

void CVemuComp::StartTitleDemo() {
    ResetEventStates();
    // The first frame of this demo looks for a touch too, whatever the last one left.
    demo_ended = 0;
    // A story screen left without its scene (the last demo rests on one) gives its place to this
    // demo rather than piling up under it.
    const bool on_story_screen =
        !screen_stack().empty() && screen_stack().back().id == kScreenStory;
    StartStoryEvent(StoryEvent::kTitleDemo, on_story_screen);
    cut_ins_ = {};
}

StoryTask CVemuComp::TitleDemoEvent() {
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

StoryTask CVemuComp::PlayDemoSketch(int sketch) {
    bool heroine_spoke = false, owner_spoke = false;
    for (const Line& line : SketchLines(static_cast<Sketch>(sketch))) {
        // Each of the two takes a picture slot as it first speaks in the sketch.
        if (line.speaker == kVemu && !std::exchange(heroine_spoke, true))
            StartFrameCounter(0, &demo_pictures_[0]);
        if (line.speaker == kZelba && !std::exchange(owner_spoke, true))
            StartFrameCounter(1, &demo_pictures_[1]);
        co_await SayInDemo(line.text, line.speaker, line.expression);
    }
}

StoryTask CVemuComp::SayInDemo(std::string text, int character, int expression) {
    ChangePortrait(&handles_.portrait, character, expression);
    co_await WatchTitleDemo(&handles_.portrait);
    ShowMessage(&handles_.message, text.c_str(), true);
    // The line stays for its time however fast it types: a click ends the demo instead.
    Wait(&handles_.music, kLineMilliseconds);
    co_await WatchTitleDemo(&handles_.music);
}

StoryTask CVemuComp::WatchTitleDemo(const WaitHandle* until) {
    for (;;) {
        // Looked at before anything else in the frame, so a touched frame plays nothing more.
        if (TitleDemoTouched()) co_await LeaveTitleDemo();
        if (!until || until->IsDone()) co_return;
        co_await NextFrame();
    }
}

bool CVemuComp::TitleDemoTouched() const {
    if (demo_ended) return false;
    // Held, not freshly pressed: a button still down from the title ends the demo at once.
    return mouse_->GetButton(kLeftButton) != 0 || mouse_->GetButton(kRightButton) != 0 ||
           input_->GetCount(kButtonDecide) != 0;
}

StoryTask CVemuComp::LeaveTitleDemo() {
    demo_ended = 1;
    OnReset();
    // Ending here would pop the story screen and let the screen below it (an outing or a rest of
    // the game left by F2) run during the fade back to the title, moving that game on. The demo
    // stays where it is until the next start or a new game drops it.
    co_await Until(kNeverDone);
}
