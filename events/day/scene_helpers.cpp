// What the day's scenes share: their music, and a plain message waited on.
#include "game/main/vemu_comp.h"

bool CVemuComp::SceneMusic(WaitHandle* handle, int id) {
    scene_music_ = id;
    return PlayBgm(handle, id);
}

StoryTask CVemuComp::Tell(std::string text, bool close_when_done) {
    ShowMessage(&handles_.message, text.c_str(), close_when_done);
    co_await Until(handles_.message);
}
