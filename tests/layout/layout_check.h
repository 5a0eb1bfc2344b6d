// Checks one recorded frame the way a player's eye would: every text lies whole on the picture
// it is drawn on, and nothing drawn later lies over it. Texts are measured with the glyphs the
// device really draws, pictures by their visible pixels.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/graphics/draw_recorder.h"

class CDirectGraphics;

namespace layout_test {

struct LayoutReport {
    int texts = 0;                    // texts and label sprites looked at
    std::vector<std::string> faults;  // one line each, in UTF-8
};

// Texture index to a name a fault line can use.
using LayoutNames = std::map<int, std::string>;

// `labels`: pictures that read as text (digits, units), held to the same rules as texts.
// `ignored`: pictures drawn over everything on purpose (the pointer). `whole`: pictures that
// must show whole, never cut by the screen's edge. `names`: for the report.
// `boards`: the boards a list's rows stand on, which nothing drawn after them may cover but
// their own `highlights` (the cursor, a sale's glow).
struct BoardPictures {
    std::set<int> boards;
    std::set<int> highlights;
};
LayoutReport CheckLayout(CDirectGraphics& graphics, const std::vector<DrawOp>& ops,
                         const LayoutNames& labels, const std::set<int>& ignored,
                         const std::set<int>& whole, const LayoutNames& names,
                         const BoardPictures& boards);

}  // namespace layout_test
