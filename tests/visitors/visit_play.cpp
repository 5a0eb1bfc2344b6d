#include "tests/visitors/visit_play.h"

#include <algorithm>
#include <ostream>

#include "engine/common/sjis.h"
#include "engine/framework/game_mediator.h"
#include "events/story.h"
#include "game/ending/ending_component.h"
#include "game/main/vemu_comp.h"
#include "game/rules/pantry.h"

namespace visit_test {

using play_test::kDecide;

std::ostream& operator<<(std::ostream& out, const Spoken& line) {
    return out << "(" << line.speaker << ", " << line.expression << ") \"" << line.text << "\"";
}

void VisitTest::SetUp() {
    play.SetPixels(false);
    ASSERT_TRUE(play.NewGame());
    play.SkipOpening();
    ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
    game().SetTextSpeed(1);
}

testing::AssertionResult VisitTest::Play(StoryEvent row, std::vector<const char8_t*> answers,
                                         int limit) {
    testing::AssertionResult started = Start(row);
    if (!started) return started;
    return Finish(std::move(answers), limit);
}

testing::AssertionResult VisitTest::Start(StoryEvent row) {
    lines.clear();
    shop_screens.clear();
    staff_roll_shown = false;
    if (!game().StartStoryEvent(row))
        return testing::AssertionFailure() << StoryEventName(row) << " did not start";
    return testing::AssertionSuccess();
}

testing::AssertionResult VisitTest::Finish(std::vector<const char8_t*> answers, int limit) {
    std::size_t next_answer = 0;
    for (int frame = 0; frame < limit; ++frame) {
        if (std::string(play.CurrentComponent()) == CEndingComp::kName) {
            staff_roll_shown = true;
            auto* roll = dynamic_cast<CEndingComp*>(play.mediator().GetCurrentComponent());
            if (roll && roll->page() >= CEndingComp::kLastPage && !play.Switching())
                play.Press(kDecide);
            else
                play.Frame();
            continue;
        }
        if (!game().story().live()) {
            play.Frame();
            return testing::AssertionSuccess();
        }
        if (play.Switching()) {
            play.Frame();
            continue;
        }
        if (game().screens().id() != kScreenStory) {
            shop_screens.push_back(game().screens().id());
            if (on_shop_screen) on_shop_screen(game().screens().id());
            if (game().screens().id() != kScreenStory) game().screens().Pop();
            play.Frame();
            continue;
        }
        CMessageOutEvent& message = game().message_output();
        const bool typed_out = message.GetPosition() >= message.GetLength();
        const bool message_waits = play.MessageWaiting();
        if (message_waits && typed_out) {
            lines.push_back({sjis::ToUtf8(message.GetText()), game().stage().speaker(),
                             game().stage().expression()});
            play.Press(kDecide);
            continue;
        }
        if (message_waits && message.IsWaiting()) {
            play.Press(kDecide);  // the next page
            continue;
        }
        if (play.mediator().IsRunning(&game().stage().choice_window())) {
            if (next_answer >= answers.size())
                return testing::AssertionFailure()
                       << "a question the test has no answer for; " << play.Report();
            testing::AssertionResult chosen = play.Choose(answers[next_answer++]);
            if (!chosen) return chosen;
            continue;
        }
        play.Frame();
    }
    return testing::AssertionFailure()
           << "the scene did not end within " << limit << " frames; " << play.Report();
}

testing::AssertionResult VisitTest::PlaySeeded(StoryEvent row, const std::function<bool()>& wanted,
                                               std::vector<const char8_t*> answers) {
    play.Seed(SeedWhere(wanted));
    return Play(row, std::move(answers));
}

std::vector<std::string> VisitTest::Texts() const {
    std::vector<std::string> texts;
    for (const Spoken& line : lines) texts.push_back(line.text);
    return texts;
}

bool VisitTest::Said(const char8_t* text) const {
    const std::string wanted = testing_support::Utf8(text);
    return std::any_of(lines.begin(), lines.end(),
                       [&](const Spoken& line) { return line.text == wanted; });
}

bool VisitTest::SaidInOrderOf(const std::vector<const char8_t*>& texts) const {
    std::size_t at = 0;
    for (const Spoken& line : lines)
        if (at < texts.size() && line.text == testing_support::Utf8(texts[at])) ++at;
    return at == texts.size();
}

Food* VisitTest::InPantry(const char8_t* name) const {
    return FindPantryFood(game().world().kitchen, Sjis(name));
}

}  // namespace visit_test
