// The food and dish panels beside the list: a title, a description and rows of label, value
// and unit; the dish panel adds what the dish was made of, scrolling in a loop when it is long.
#include <string>
#include <string_view>

#include "engine/common/numbers.h"
#include "game/cooking/dish_value.h"
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"

namespace {

using play_draw::kMessageColor;

// The labels stand a little in from the title, and far enough left that the longest one
// ("賞味期限残り") keeps clear of a three-digit value.
constexpr int kTitleX = 310, kLabelX = 316, kValueX = 438, kRatingX = 474;
constexpr int kTitleSplitTop = 156;

// The title, the description and the rows a food and a dish panel have in common.
void DrawFoodRows(CDirectGraphics& g, DFont* font, DFont* small, int right, const Food& food,
                  int tastiness, const char* rating) {
    auto label = [&](int x, int y, const char* text) {
        g.DrawText(x, y, text, kMessageColor, font, play_draw::kLineFormat);
    };
    // A dish name too wide for the panel goes over two lines in the small font, in the title's
    // place, so that it neither runs under the method window nor onto the description.
    const std::string_view name = food.name;
    const int room = right - kTitleX;
    if (g.LineBreakWithin(name, room, font) >= name.size()) {
        label(kTitleX, 165, food.name.c_str());
    } else {
        const std::size_t cut = g.LineBreakWithin(name, room, small);
        const int line = small->GetHeight();
        g.DrawText(kTitleX, kTitleSplitTop, std::string(name.substr(0, cut)).c_str(), kMessageColor,
                   small, play_draw::kLineFormat);
        g.DrawText(kTitleX, kTitleSplitTop + line, std::string(name.substr(cut)).c_str(),
                   kMessageColor, small, play_draw::kLineFormat);
    }
    if (food.def)
        play_draw::DrawDescription(g, kTitleX, 190, food.def->description, right, font, small);
    label(kLabelX, 210, "価格");
    play_draw::DrawValue(g, kValueX, 210, food.Price(), " クル", font);
    label(kLabelX, 230, "おいしさ");
    play_draw::DrawValue(g, kValueX, 230, tastiness, " pts", font);
    label(kLabelX, 250, "量");
    const int unit_grams = food.def ? static_cast<int>(food.def->unit_weight) : 0;
    play_draw::DrawValue(g, kValueX, 250, unit_grams, " グラム", font);
    label(kLabelX, 270, "【 総合");
    g.DrawText(kRatingX, 270, (std::string(rating ? rating : "") + " 】").c_str(), kMessageColor,
               font, play_draw::kRightFormat);
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

void CVemuComp::DrawFoodInfo(const Food& food) {
    const int right = screen_id() == kScreenCooking ? play_draw::kPanelRightBesideMethods
                                                    : play_draw::kPanelRight;
    DrawFoodRows(*graphics_, &font14_, &font12_, right, food, Tastiness(world_.state, food),
                 DishRating(world_.state, food));
    graphics_->DrawText(kLabelX, 290, "賞味期限残り", kMessageColor, &font14_,
                        play_draw::kLineFormat);
    if (food.days < kNeverSpoils)
        play_draw::DrawValue(*graphics_, kValueX, 290, food.days, " 日", &font14_);
    else
        graphics_->DrawText(kValueX, 290, "-", kMessageColor, &font14_, play_draw::kRightFormat);
}

void CVemuComp::DrawDishInfo(const Food& food) {
    DrawFoodRows(*graphics_, &font14_, &font12_, play_draw::kPanelRight, food,
                 Tastiness(world_.state, food), DishRating(world_.state, food));
    PlayDrawState& ticker = draw_state_;
    if (ticker.ticker_dish != &food) {
        ticker.ticker_dish = &food;
        ticker.ticker_frames = 0;
        ticker.ticker_hidden = 0;
    }
    const int scroll =
        ticker.ticker_frames < kStillFrames ? 0 : ticker.ticker_frames - kStillFrames;
    int line = kFirstLine;
    int hide = ticker.ticker_hidden;
    bool all_fit = true;
    auto draw_list = [&] {
        for (const auto& child : food.children)
            if (child)
                line += DrawCompositionLines(kTickerX, kTickerTop + kLineHeight * line - scroll, 0,
                                             *child, hide, all_fit);
    };
    draw_list();
    if (scroll == 0 && all_fit) return;  // a list that fits stands still
    ++ticker.ticker_frames;
    // A line is hidden once it has begun to leave the top.
    if (scroll % kLineHeight == 1) ++ticker.ticker_hidden;
    if (!all_fit) return;
    // The whole list has risen into the panel: a second copy follows two lines below, and when
    // it reaches the first copy's place the ticker starts over there, without a jump.
    line += kLoopGap;
    hide -= kLoopGap;
    const int second_copy_y = kTickerTop + kLineHeight * line - scroll;
    draw_list();
    if (second_copy_y < kLoopRestartY) {
        ticker.ticker_frames = kStillFrames;
        ticker.ticker_hidden = 0;
    }
}

// `hide` counts the lines still to hide at the top; each line this call takes is taken off it.
int CVemuComp::DrawCompositionLines(int x, int y, int depth, const FoodNode& node, int& hide,
                                    bool& all_fit) {
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
    DFont* font = &font14_;
    if (graphics_->TextWidth(text, font) > room) font = &font12_;
    std::size_t cut = graphics_->LineBreakWithin(text, room, font);
    const std::uint32_t color = node.flag != 0 ? kMessageColor : play_draw::kGreyColor;
    --hide;
    if (hide < 0)
        graphics_->DrawText(line_x, y, text.substr(0, cut).c_str(), color, font,
                            play_draw::kLineFormat);
    int taken = 1;
    if (cut < text.size()) {
        if (y + kLineHeight > kTickerBottom) {
            all_fit = false;
            return taken;
        }
        --hide;
        if (hide < 0)
            graphics_->DrawText(line_x + kDepthIndent, y + kLineHeight, text.substr(cut).c_str(),
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
