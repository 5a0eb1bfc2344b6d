// The story screen's driver: it holds the current event and gives it one pass per frame while
// the story screen is on top. In the pass in which the event ends it pops the story screen and
// gives the portrait back to the host's resting speaker.
#pragma once

#include <optional>

#include "events/runtime/story_event.h"
#include "events/runtime/story_host.h"
#include "events/runtime/story_task.h"

class StoryRunner {
public:
    explicit StoryRunner(StoryHost& host) : host_(host) {}
    StoryRunner(const StoryRunner&) = delete;
    StoryRunner& operator=(const StoryRunner&) = delete;

    // Pushes the story screen (or puts it in place of the top screen) with a fresh coroutine of
    // the row as the current event, so a start always begins at the first statement. False,
    // with nothing changed, for a row with no scene, while the current event waits on a screen
    // it pushed (starting over it would leave it half-run), and from inside a pass (an event
    // passes the story on with HandOver).
    bool Start(StoryEvent row, bool replace = false);
    // One pass of the current event; nothing while none is live or another screen is on top.
    void RunFrame();
    // Destroys every live event and sub-event; from inside a pass, once the pass is over.
    void Reset();

    bool live() const { return current_ && !current_.done(); }
    // The last row a start or a hand-over asked for, whether or not it had a scene.
    std::optional<StoryEvent> last_row() const { return last_row_; }

private:
    bool GuardHolds() const;
    bool Ready() const;
    void AfterPass();
    void End();
    void Cancel();
    void TakeOver(StoryEvent row);

    StoryHost& host_;
    StoryTask current_;
    std::optional<StoryEvent> last_row_;
    bool in_pass_ = false;
    bool reset_pending_ = false;
};
