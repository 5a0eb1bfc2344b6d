// A regular customer's order: the order in the customer's own words, the money, the dish
// served from the pantry, and what a sale does to the dish's fame and the shop's reputation.
#include "events/story.h"
#include "events/visitors/sold_out.h"

StoryTask Story::VisitorSale(MenuDish* dish, std::string prefix, std::string suffix, int character,
                             int expression) {
    co_await Say(prefix + dish->name + suffix, character, expression);
    if (!ServeToVisitor(*dish)) {
        co_await Say(kSoldOutApology, kVemu, kNormal);
        co_return;
    }
    co_await SellToVisitor(*dish, true);
}
