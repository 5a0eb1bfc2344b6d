// The chance visits of the story scheduler: a draw from 0 to 999, of which only 0 to 12 bring
// anyone. Every draw, flag and stage step is made even while the row's scene is still empty,
// so the game's random sequence and its daily flags move the same way either way.
#pragma once

class Story;
struct PlayWorld;

inline constexpr int kChanceVisitRows = 13;

void DrawChanceVisit(PlayWorld& world, Story& story, int draw);
