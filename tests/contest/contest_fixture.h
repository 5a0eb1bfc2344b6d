// A new game on the play harness with the contest hall open, and a reader that acknowledges the
// story's lines as the player does, keeping each one it saw.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/common/sjis.h"
#include "events/contest/contest_table.h"
#include "game/food/food_def.h"
#include "tests/support/play_harness.h"

namespace contest_test {

using play_test::kCancel;
using play_test::kDecide;
using play_test::kLeft;
using play_test::kRight;
using play_test::PlayHarness;

using play_test::PantryRows;
using play_test::PantryRowsOf;

class ContestTest : public ::testing::Test {
protected:
    void SetUp() override {
        play.Seed(7);
        ASSERT_TRUE(play.NewGame());
        play.SkipOpening();
        ASSERT_TRUE(play.RunUntilScreen(kScreenMainCommands));
        play.OpenPlace(kPlaceCompetition);
    }

    CVemuComp& game() { return play.game(); }

    // From the destinations into the hall; the story screen takes the hall's place.
    void EnterHall() {
        lines.clear();
        play.ShowScreen(kScreenDestinations);
        ASSERT_TRUE(play.Choose(u8"料理大会"));
    }

    // Reads on with decide presses while the story screen is on top and no question waits.
    void ReadOn(int limit = 20000) {
        for (int frame = 0; frame < limit; ++frame) {
            Record();
            if (game().screens().id() != kScreenStory || !play.ChoiceRows().empty()) return;
            play.Press(kDecide);
        }
        ADD_FAILURE() << "still reading after " << limit << " presses\n" << play.Report();
    }

    // Answers the question that waits, by its label.
    void Answer(const char8_t* label) {
        ASSERT_TRUE(play.Choose(label)) << play.Report();
        lines.push_back(std::string());  // an answer ends the line before it
    }

    // True when the lines hold `wanted` in this order (others may come between).
    bool SaidInOrder(const std::vector<std::string>& wanted) const {
        auto at = lines.begin();
        for (const std::string& line : wanted) {
            at = std::find(at, lines.end(), line);
            if (at == lines.end()) {
                ADD_FAILURE() << "not said in order: " << sjis::ToUtf8(line);
                return false;
            }
            ++at;
        }
        return true;
    }
    bool Said(const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    void ClearPlayerPantry() { game().world().kitchen.player_pantry.clear(); }
    // A dish in the pantry in use whose taste makes its score what the test needs.
    Food* Dish(const char8_t* name, int taste, float amount = 1.0f) {
        Food* food = play.AddToPantry(name, amount);
        food->taste = taste;
        return food;
    }

    // Where the pantry in use holds that food (UTF-8), or -1.
    int PantryIndex(const char8_t* name) {
        const Pantry& pantry = game().world().kitchen.pantry();
        const std::string wanted = play_test::Sjis(name);
        for (std::size_t index = 0; index < pantry.size(); ++index)
            if (pantry[index]->name == wanted) return static_cast<int>(index);
        return -1;
    }

    // Decides the row of the open list that stands for that pantry index, as the player does.
    void DecidePantryRow(int pantry_index) {
        const std::vector<MenuEntry>& rows = game().stage().entries();
        int row = 0;
        while (row < static_cast<int>(rows.size()) &&
               rows[static_cast<std::size_t>(row)].value != pantry_index)
            ++row;
        ASSERT_LT(row, static_cast<int>(rows.size())) << play.Report();
        game().screens().cursor() = row;
        play.Press(kDecide);
    }

    // The cooking screen: one unit of the food of that name into the pot.
    void PutInPot(const char8_t* name) {
        ASSERT_EQ(game().screens().id(), kScreenCooking) << play.Report();
        const int index = PantryIndex(name);
        ASSERT_GE(index, 0) << sjis::ToUtf8(play_test::Sjis(name));
        DecidePantryRow(index);
    }

    // Screen 24 as the player uses it: the row of that pantry index, then yes.
    void HandIn(int pantry_index) {
        ASSERT_TRUE(play.RunUntilScreen(kScreenContestDish)) << play.Report();
        DecidePantryRow(pantry_index);
        // The question's line is read before the yes/no opens.
        for (int press = 0; press < 50 && play.ChoiceRows().empty(); ++press) play.Press(kDecide);
        Answer(u8"はい");
    }

    // A contest of the player's own dish from the hall: enter, hand in that pantry row, and read
    // on to the prize's question or the end.
    void EnterAndHandIn(int pantry_index) {
        EnterHall();
        ReadOn();
        Answer(u8"はい");
        ReadOn();
        HandIn(pantry_index);
        ReadOn();
    }

    PlayHarness play;
    std::vector<std::string> lines;  // every message the story showed, in the game's text

private:
    void Record() {
        const std::string& text = game().message_output().GetText();
        if (!text.empty() && (lines.empty() || lines.back() != text)) lines.push_back(text);
    }
};

}  // namespace contest_test
