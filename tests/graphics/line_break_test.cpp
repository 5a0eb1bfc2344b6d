// Where a line of Japanese text may end when it must fit a width: in the box font a two-byte
// character is 16 px wide and a one-byte one 8 px, so the widths below count characters.
#include <gtest/gtest.h>

#include <string>

#include "engine/graphics/font.h"
#include "graphics_fixture.h"
#include "tests/support/engine_world.h"

namespace {

using testing_support::Sjis;

struct BreakCase {
    const char* name;
    const char8_t* text;
    int width;
    std::size_t max_bytes;
    const char8_t* first_line;  // what stays on the line
};

const BreakCase kBreaks[] = {
    {"AllFits", u8"トマト", 48, std::string::npos, u8"トマト"},
    {"CutsAtTheLastWholeCharacter", u8"トマトソース", 56, std::string::npos, u8"トマト"},
    {"ByteLimitCutsFirst", u8"トマトソース", 200, 7, u8"トマト"},
    {"SmallKanaDoesNotStartALine", u8"フィッシュ", 64, std::string::npos, u8"フィッ"},
    {"LongVowelDoesNotStartALine", u8"トマトソース", 64, std::string::npos, u8"トマト"},
    {"ClosingBracketDoesNotStartALine", u8"『ゼルバ』です", 64, std::string::npos, u8"『ゼル"},
    {"OpeningBracketDoesNotEndALine", u8"名は『ゼルバ』", 48, std::string::npos, u8"名は"},
    {"ANumberStaysWhole", u8"記録 2026/12/31", 112, std::string::npos, u8"記録 "},
    // The rules of the message lines: a word and a bracketed name stay whole where they can.
    {"AWordStaysWholeWhereTheLineAllows", u8"ゼルダケ入り万能酵母", 144, std::string::npos,
     u8"ゼルダケ入り"},
    {"ABracketedNameStaysWhole", u8"名は『ゼルバ』です", 96, std::string::npos, u8"名は"},
    // Nowhere better to break: the line keeps all that fits rather than nothing.
    {"AForbiddenPlaceIsKeptWhenThereIsNoOther", u8"ァァァ", 16, std::string::npos, u8"ァ"},
    {"ALongVowelAfterTheFirstCharacterIsKept", u8"ソース", 16, std::string::npos, u8"ソ"},
};

class LineBreak : public GraphicsWorld {};

TEST_F(LineBreak, EndsWhereTheWidthAllowsAndALineMayEnd) {
    DFont font;
    ASSERT_TRUE(font.Create(16, "ＭＳ Ｐゴシック", true));
    for (const BreakCase& c : kBreaks) {
        const std::string text = Sjis(c.text);
        const std::size_t cut = gfx->LineBreakWithin(text, c.width, &font, c.max_bytes);
        EXPECT_EQ(text.substr(0, cut), Sjis(c.first_line)) << c.name;
    }
    EXPECT_EQ(gfx->TextWidth(Sjis(u8"トマト 1g"), &font), 3 * 16 + 3 * 8);
}

}  // namespace
