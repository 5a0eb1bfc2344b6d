// The food and dish panels beside the list: a title, a description and rows of label, value
// and unit; the dish panel adds what the dish was made of, scrolling in a loop when it is long.
#include <limits>
#include <string>
#include <string_view>

#include "engine/common/numbers.h"
#include "game/cooking/dish_value.h"
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"

namespace {

using play_draw::kMessageColor;

// The labels stand a little in from the title, and far enough left that the longest one
// ("賞味期限残り") keeps clear of a three-digit value.
constexpr int kTitleX = 310, kLabelX = 316, kValueX = 438, kRatingX = 474;
constexpr int kTitleY = 165, kDescriptionY = 190, kFirstRowY = 210, kRowPitch = 20;
// A title in two small lines starts below the paper's top edge, with air under its line; the
// description and the rows make way for the second line.
constexpr int kTitleSplitTop = 160, kSplitDrop = 4;

// The title, the description and the rows a food and a dish panel have in common. Returns how
// far the rows stand below their usual place.
int DrawFoodRows(CDirectGraphics& g, DFont* font, DFont* small, int right, const Food& food,
                 int tastiness, const char* rating) {
    auto label = [&](int x, int y, const char* text) {
        g.DrawText(x, y, text, kMessageColor, font, play_draw::kLineFormat);
    };
    // A dish name too wide for the panel goes in the small font, over two lines when one is
    // not enough, in the title's place, so that it neither runs under the method window nor
    // onto the description.
    const std::string_view name = food.name;
    const int room = right - kTitleX;
    int drop = 0;
    if (g.LineBreakWithin(name, room, font) >= name.size()) {
        label(kTitleX, kTitleY, food.name.c_str());
    } else {
        const std::size_t cut = g.LineBreakWithin(name, room, small);
        if (cut >= name.size()) {
            // One small line stands where the title's line would.
            g.DrawText(kTitleX, kTitleY + (font->GetHeight() - small->GetHeight()) / 2,
                       food.name.c_str(), kMessageColor, small, play_draw::kLineFormat);
        } else {
            g.DrawText(kTitleX, kTitleSplitTop, std::string(name.substr(0, cut)).c_str(),
                       kMessageColor, small, play_draw::kLineFormat);
            g.DrawText(kTitleX, kTitleSplitTop + small->GetHeight(),
                       std::string(name.substr(cut)).c_str(), kMessageColor, small,
                       play_draw::kLineFormat);
            drop = kSplitDrop;
        }
    }
    if (food.def)
        play_draw::DrawDescription(g, kTitleX, kDescriptionY + drop, food.def->description, right,
                                   font, small);
    const int top = kFirstRowY + drop;
    label(kLabelX, top, "価格");
    play_draw::DrawValue(g, kValueX, top, food.Price(), " クル", font);
    label(kLabelX, top + kRowPitch, "おいしさ");
    play_draw::DrawValue(g, kValueX, top + kRowPitch, tastiness, " pts", font);
    label(kLabelX, top + 2 * kRowPitch, "量");
    const int unit_grams = food.def ? static_cast<int>(food.def->unit_weight) : 0;
    play_draw::DrawValue(g, kValueX, top + 2 * kRowPitch, unit_grams, " グラム", font);
    label(kLabelX, top + 3 * kRowPitch, "【 総合");
    g.DrawText(kRatingX, top + 3 * kRowPitch, (std::string(rating ? rating : "") + " 】").c_str(),
               kMessageColor, font, play_draw::kRightFormat);
    return drop;
}

// The composition ticker: lines start at line 3 of the panel, 18 pixels apart; a line below
// y = 320 does not fit.
constexpr int kTickerX = 310, kTickerTop = 170, kLineHeight = 18, kFirstLine = 3;
constexpr int kTickerBottom = 320;
constexpr int kStillFrames = 25;
constexpr int kLoopGap = 2;
constexpr int kDepthIndent = 10, kLeafIndent = 180;
// Within two pixels of the first line's place.
constexpr int kLoopRestartY = kTickerTop + kLineHeight * kFirstLine + 2;

}  // namespace

void PlayView::DrawFoodInfo(const Food& food) const {
    const int right = game_.screens().id() == kScreenCooking ? play_draw::kPanelRightBesideMethods
                                                             : play_draw::kPanelRight;
    const int drop =
        DrawFoodRows(graphics(), &game_.stage().panel_font(), &game_.stage().small_font(), right,
                     food, Tastiness(game_.state(), food), DishRating(game_.state(), food));
    const int y = kFirstRowY + drop + 4 * kRowPitch;
    graphics().DrawText(kLabelX, y, "賞味期限残り", kMessageColor, &game_.stage().panel_font(),
                        play_draw::kLineFormat);
    if (food.days < kNeverSpoils)
        play_draw::DrawValue(graphics(), kValueX, y, food.days, " 日", &game_.stage().panel_font());
    else
        graphics().DrawText(kValueX, y, "-", kMessageColor, &game_.stage().panel_font(),
                            play_draw::kRightFormat);
}

void PlayView::DrawDishInfo(const Food& food) const {
    DrawFoodRows(graphics(), &game_.stage().panel_font(), &game_.stage().small_font(),
                 play_draw::kPanelRight, food, Tastiness(game_.state(), food),
                 DishRating(game_.state(), food));
    // A dish the ticker's step has not seen yet stands at its start.
    const bool seen = state_.ticker_dish == &food;
    const int frames = seen ? state_.ticker_shown_frames : 0;
    const int scroll = frames < kStillFrames ? 0 : frames - kStillFrames;
    int line = kFirstLine;
    int hide = seen ? state_.ticker_shown_hidden : 0;
    bool all_fit = true;
    auto draw_list = [&] {
        for (const auto& child : food.children)
            if (child)
                line += DrawCompositionLines(kTickerX, kTickerTop + kLineHeight * line - scroll, 0,
                                             *child, hide, all_fit);
    };
    draw_list();
    // A list that fits stands still, and one still rising into the panel is alone.
    if (scroll == 0 || !all_fit) return;
    // The whole list has risen into the panel: a second copy follows two lines below.
    line += kLoopGap;
    hide -= kLoopGap;
    draw_list();
}

// The frame shows where the ticker of `dish` stands; the next one finds it moved on.
void PlayView::AnimateTicker(const Food& dish) {
    PlayDrawState& ticker = state_;
    if (ticker.ticker_dish != &dish) {
        ticker.ticker_dish = &dish;
        ticker.ticker_frames = 0;
        ticker.ticker_hidden = 0;
    }
    ticker.ticker_shown_frames = ticker.ticker_frames;
    ticker.ticker_shown_hidden = ticker.ticker_hidden;
    const int scroll =
        ticker.ticker_frames < kStillFrames ? 0 : ticker.ticker_frames - kStillFrames;
    // The lines the list takes as the drawing lays them out; with every line hidden, none is
    // drawn.
    int line = kFirstLine;
    int hide = std::numeric_limits<int>::max();
    bool all_fit = true;
    for (const auto& child : dish.children)
        if (child)
            line += DrawCompositionLines(kTickerX, kTickerTop + kLineHeight * line - scroll, 0,
                                         *child, hide, all_fit);
    if (scroll == 0 && all_fit) return;  // a list that fits stands still
    ++ticker.ticker_frames;
    // A line is hidden once it has begun to leave the top.
    if (scroll % kLineHeight == 1) ++ticker.ticker_hidden;
    if (!all_fit) return;
    // The whole list has risen into the panel: when the copy two lines below it reaches the
    // first copy's place, the ticker starts over there, without a jump.
    line += kLoopGap;
    const int second_copy_y = kTickerTop + kLineHeight * line - scroll;
    if (second_copy_y < kLoopRestartY) {
        ticker.ticker_frames = kStillFrames;
        ticker.ticker_hidden = 0;
    }
}

// `hide` counts the lines still to hide at the top; each line this call takes is taken off it.
int PlayView::DrawCompositionLines(int x, int y, int depth, const FoodNode& node, int& hide,
                                   bool& all_fit) const {
    if (y > kTickerBottom) {
        all_fit = false;
        return 0;
    }
    const char* name = node.def ? node.def->name.c_str() : "";
    const int grams = node.def ? static_cast<int>(node.def->unit_weight * node.amount) : 0;
    const std::string text = grams > 0 ? std::string(name) + " " + IntToString(grams) + " g"
                                       : std::string(name) + " 少々";
    // A line too wide for the panel is drawn smaller, and one still too wide goes on in a
    // second line of the list, which it then takes like any other line.
    const int line_x = x + kLeafIndent + kDepthIndent * depth;
    const int room = play_draw::kPanelRight - line_x;
    DFont* font = &game_.stage().panel_font();
    if (graphics().TextWidth(text, font) > room) font = &game_.stage().small_font();
    std::size_t cut = graphics().LineBreakWithin(text, room, font);
    const std::uint32_t color = node.flag != 0 ? kMessageColor : play_draw::kGreyColor;
    --hide;
    if (hide < 0)
        graphics().DrawText(line_x, y, text.substr(0, cut).c_str(), color, font,
                            play_draw::kLineFormat);
    int taken = 1;
    if (cut < text.size()) {
        if (y + kLineHeight > kTickerBottom) {
            all_fit = false;
            return taken;
        }
        --hide;
        if (hide < 0)
            graphics().DrawText(line_x + kDepthIndent, y + kLineHeight, text.substr(cut).c_str(),
                                color, font, play_draw::kLineFormat);
        ++taken;
    }
    if (node.flag != 0) return taken;
    int lines = taken;
    for (const auto& child : node.children)
        if (child)
            lines +=
                DrawCompositionLines(x, y + kLineHeight * lines, depth + 1, *child, hide, all_fit);
    return lines;
}
