#include "events/story.h"

#include "engine/framework/devices.h"
#include "game/main/scene_question.h"

Story::Story(CVemuComp& game)
    : game_(game),
      world_(game.world()),
      state_(game.state()),
      kitchen_(game.kitchen()),
      book_(game.book()),
      handles_(game.stage().handles()),
      contest_(game.contest()),
      contest_dish_(game.contest_dish()),
      mediator_(GetGameMediator()),
      mouse_(GetMouseEvent()),
      input_(GetDirectInput()) {}

StoryTask Story::Say(std::string text, int character, int expression) {
    game_.ChangePortrait(&handles_.portrait, character, expression);
    co_await Until(handles_.portrait);
    SceneHandle read(game_.message_output());
    game_.ShowMessage(read.get(), text.c_str(), true);
    co_await Until(*read);
}
