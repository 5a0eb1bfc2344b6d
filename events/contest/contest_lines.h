// What the people of each contest say in their own words: the announcer's introductions, each
// judge's and rival's greeting, the rival's dish, the judges' reactions to it and the first
// judge's word on the player's dish.
#pragma once

#include <array>
#include <initializer_list>

#include "events/contest/contest_table.h"
#include "events/visitors/scene_line.h"

using SceneLines = std::initializer_list<SceneLine>;

struct ContestLines {
    // The announcer's line before each judge; null where the row brings judges in together.
    std::array<const char*, kJudgeCount> judge_introductions;
    // The announcer's line for the judges brought in together; null when each has his own.
    const char* joint_introduction;
    std::array<const char*, kJudgeCount> judge_greetings;
    const char* cooks;  // the announcer turns to the cooks
    const char* rival_introduction;
    const char* rival_greeting;
    const char* rival_short_name;  // who cooked the dish the judges taste first
    const char* rival_full_name;   // the winner's name when the player loses
    const char* rival_dish;
    SceneLines rival_reactions;
    SceneLines player_reactions;
};

// The lines of contest `index`; `index` must name one of the twelve.
const ContestLines& ContestLinesOf(int index);
