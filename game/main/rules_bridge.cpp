#include "game/main/vemu_comp.h"

void CVemuComp::StartFrameCounter(int index, DTexture* picture) {
    CutIn& cut_in = cut_ins_[index != 0 ? 1 : 0];
    cut_in.counter = 1;
    cut_in.picture = picture;
}

void CVemuComp::MarkMenuFoods() {}
