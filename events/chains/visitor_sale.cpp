// A regular customer's order: the order in the customer's own words, the money, the dish
// served from the pantry, and what a sale does to the dish's fame and the shop's reputation.
#include "game/main/vemu_comp.h"

StoryTask CVemuComp::VisitorSale(MenuDish* dish, std::string prefix, std::string suffix,
                                 int character, int expression) {
    const std::string name = dish->name;
    co_await Say(prefix + name + suffix, character, expression);
    Sound(kSoundGet).Play(0, 0);
    AddMoney(dish->Price());
    co_await Tell("『" + name + "』が売れました\n");
    ServeDish(*dish);
    UpdateMenuAvailability();
    dish->sale_highlight = 1;
    AddFamiliarity(*dish, 1);
    ShiftHonor(*dish, 1);
}
