// The four sketches the title demo plays: who says what, with which face, in order.
#pragma once

#include <span>

#include "events/visitors/scene_line.h"
#include "game/main/media_tables.h"

namespace title_demo {

using Line = SceneLine;

enum Sketch { kApple = 0, kNewDish, kLetter, kContest, kSketchCount };

std::span<const Line> SketchLines(Sketch sketch);

}  // namespace title_demo
