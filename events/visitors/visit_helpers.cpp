// What every visit shares: plain messages under the current speaker, and the visitor's pick
// of a dish from the menu.
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::Tell(std::string text, bool close_when_done) {
    ShowMessage(&handles_.message, text.c_str(), close_when_done);
    co_await Until(handles_.message);
}

MenuDish* CVemuComp::PickDishForVisitor() {
    UpdateMenuAvailability();
    return PickMenuDish();
}
