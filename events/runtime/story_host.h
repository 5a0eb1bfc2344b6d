// What the story runner needs of the game that hosts it: the screen stack, the speaker, and
// the scenes themselves. The main game component implements it; tests fake it.
#pragma once

#include "events/runtime/story_event.h"
#include "events/runtime/story_task.h"

class StoryHost {
public:
    virtual ~StoryHost() = default;

    // The screen stack: push with the cursor of the screen below kept, pop back to it, or put
    // a screen in place of the top one.
    virtual void PushScreen(int id) = 0;
    virtual void PopScreen() = 0;
    virtual void ReplaceScreen(int id) = 0;
    virtual bool IsScreenOnTop(int id) const = 0;
    // The character whose portrait is shown.
    virtual void SetSpeaker(int character) = 0;
    // The screen the story runs on, and the character whose portrait it shows between scenes:
    // the host's own ids, so the runner copies none of them.
    virtual int StoryScreen() const = 0;
    virtual int RestingSpeaker() const = 0;
    // A fresh coroutine of the row's scene, or an empty task for a row with none yet.
    virtual StoryTask MakeStoryEvent(StoryEvent row) = 0;
};
