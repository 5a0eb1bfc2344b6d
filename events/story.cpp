#include "events/story.h"

#include "engine/framework/devices.h"
#include "game/main/scene_question.h"

Story::Story(CVemuComp& game)
    : game_(game),
      world_(game.world()),
      state_(game.state()),
      kitchen_(game.world().kitchen),
      book_(game.world().book),
      handles_(game.stage().handles()),
      contest_(game.world().contest),
      contest_dish_(game.world().contest_dish),
      mediator_(GetGameMediator()),
      mouse_(GetMouseEvent()),
      input_(GetDirectInput()) {}

StoryTask Story::Say(std::string text, int character, int expression) {
    game_.stage().ChangePortrait(&handles_.portrait, character, expression);
    co_await Until(handles_.portrait);
    SceneHandle read(game_.message_output());
    game_.stage().ShowMessage(read.get(), text.c_str(), true);
    co_await Until(*read);
}
