// The day's scenes ask for their music through one place, which remembers the last piece.
#include "events/story.h"
#include "game/main/vemu_comp.h"

bool Story::SceneMusic(WaitHandle* handle, int id) {
    scene_music_ = id;
    return game_.stage().PlayBgm(handle, id);
}
