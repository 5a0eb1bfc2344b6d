#include "events/story.h"

#include "engine/framework/devices.h"
#include "game/main/scene_question.h"
#include "game/main/vemu_comp.h"

Story::Story(CVemuComp& game)
    : game_(game),
      novel_(game),
      world_(game.world()),
      stage_(game.stage()),
      screens_(game.screens()),
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
    stage_.ChangePortrait(&handles_.portrait, character, expression);
    co_await Until(handles_.portrait);
    SceneHandle read(novel_.message_output());
    stage_.ShowMessage(read.get(), text.c_str(), true);
    co_await Until(*read);
}
