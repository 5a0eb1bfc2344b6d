// Skills and experience per cooking method, and how fast the kitchen works.
#pragma once

#include "game/rules/play_state.h"

int SkillExpToNextLevel(int level);
// Only 加工, 焼く, 煮る, 揚げる and 発酵 have skills. One level at most per call: a large gain
// keeps its remainder for later calls.
void AddSkillExp(PlayState& state, int method, float experience);
// 1.0 + 0.3 × (utensil tier − 1) + 0.03 × skill; exactly 1.0 for 混ぜる and unknown codes.
double PrepSpeed(const PlayState& state, int method);
// Five game minutes per 100 grams of work at speed 1.
int PrepTime(const PlayState& state, int method, int work);
