// What every visit shares: plain messages under the current speaker, and the visitor's pick
// of a dish from the menu and its sale.
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::Tell(std::string text, bool close_when_done) {
    ShowMessage(&handles_.message, text.c_str(), close_when_done);
    co_await Until(handles_.message);
}

MenuDish* CVemuComp::PickDishForVisitor() {
    UpdateMenuAvailability();
    return PickMenuDish();
}

StoryTask CVemuComp::SellToVisitor(MenuDish& dish) {
    Sound(kSoundGet).Play(0, 0);
    AddMoney(dish.Price());
    co_await Tell("『" + dish.name + "』が売れました\n");
    ServeDish(dish);
    UpdateMenuAvailability();
}
