// The day's scenes ask for their music through one place, which remembers the last piece.
#include "events/story.h"

bool Story::SceneMusic(WaitHandle* handle, int id) {
    scene_music_ = id;
    return stage_.PlayBgm(handle, id);
}
