// Two small helpers of the game's drawing and messages.
#pragma once

#include <string>

// A triangle wave between a and b that moves by 1 every `step` frames: b at t = 0, a at
// t = (b - a) * step, b again after the period 2 * (b - a) * step. A zero period gives b.
int TriangleWave(int t, int a, int b, int step);

// The decimal text of a value.
std::string IntToString(int value);
