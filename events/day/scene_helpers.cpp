// The day's scenes ask for their music through one place, which remembers the last piece.
#include "game/main/vemu_comp.h"

bool CVemuComp::SceneMusic(WaitHandle* handle, int id) {
    scene_music_ = id;
    return PlayBgm(handle, id);
}
