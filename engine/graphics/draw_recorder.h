// A record of the draw operations of the graphics device, for tests that check what a screen
// asked for rather than (or beside) the pixels it got.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/graphics/effect.h"

struct TextRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TextRect&) const = default;
};

struct DrawOp {
    enum class Kind { Texture, TextureRect, Effect, Text };
    Kind kind = Kind::Texture;
    int x = 0, y = 0;  // the position passed (for an effect: its x and y)
    int texture = 0;   // texture-table index, 0 = none
    // TextureRect: the source rectangle.
    int src_x = 0, src_y = 0, src_width = 0, src_height = 0;
    DEffect effect;  // Effect: a copy of the record
    // Text: the layout rectangle, the CP932 bytes, the font-table index and the DT_ flags.
    TextRect rect;
    std::string text;
    std::uint32_t color = 0;  // the draw colour (Text: the text colour)
    int font = 0;
    unsigned format = 0;
};

class DrawRecorder {
public:
    std::vector<DrawOp> ops;
    void Clear() { ops.clear(); }
    // The ops of one kind, in order.
    std::vector<DrawOp> OfKind(DrawOp::Kind kind) const {
        std::vector<DrawOp> out;
        for (const DrawOp& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }
};
