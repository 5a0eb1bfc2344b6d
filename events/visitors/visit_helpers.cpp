// What every visit shares: plain messages under the current speaker, and the visitor's pick
// of a dish from the menu and its sale, by the same rule as the selling screen's.
#include "engine/framework/game_mediator.h"
#include "engine/framework/nvl_component.h"
#include "events/story.h"
#include "game/cooking/dish_value.h"
#include "game/economy/sale.h"
#include "game/main/scene_question.h"
#include "game/rules/serving.h"

StoryTask Story::Tell(std::string text, bool close_when_done) {
    SceneHandle read(novel_.message_output());
    stage_.ShowMessage(read.get(), text.c_str(), close_when_done);
    co_await Until(*read);
}

MenuDish* Story::PickDishForVisitor() {
    UpdateMenuAvailability(state_, kitchen_);
    return PickMenuDish(kitchen_);
}

bool Story::ServeToVisitor(MenuDish& dish) { return ServeToCustomer(state_, kitchen_, dish); }

StoryTask Story::SellToVisitor(MenuDish& dish, bool counted) {
    stage_.Sound(kSoundGet).Play(0, 0);
    const std::string told =
        BookSale(state_, mediator_->values(), dish, 1, DishValueMeasure(state_), counted);
    co_await Tell(told);
}
