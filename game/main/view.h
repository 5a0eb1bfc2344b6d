// The play screen's drawing: the shop view with the heroine, the pot, the sky, the gauge, the
// date bar, the panel beside the list and the speaker's portrait. Draw only reads the game, so
// a frame drawn twice is the same picture; what the drawing animates on its own (the frame
// count the sky, the gauge and the pot pulse with, the heroine's blink, the dish panel's
// ticker) moves on in the steps the component's Update calls, once a game frame.
#pragma once

#include "game/main/draw_state.h"

class CDirectGraphics;
class CItem;
class CVemuComp;
struct SceneTextures;
struct FoodDef;
struct FoodNode;

class PlayView {
public:
    // The view reads the component that holds it; the component outlives it.
    explicit PlayView(CVemuComp& game) : game_(game) {}

    // A game frame has begun; a new game counts from 0 again.
    void CountFrame() { ++frame_counter_; }
    void ResetFrameCounter() { frame_counter_ = 0; }
    int frame_counter() const { return frame_counter_; }
    // After the frame's update, before it is drawn: the heroine's blink and the ticker of the
    // dish on the panel take this frame's step.
    void Animate();

    void Draw() const;

    // The panels beside the list (game/panels/).
    void DrawFoodInfo(const Food& food) const;
    void DrawDishInfo(const Food& food) const;
    void ItemInfoPanel(const CItem& item) const;
    void DrawEntryInfo(const FoodDef& def) const;

private:
    // What the panel beside the list shows in this frame (info_panel.cpp).
    struct PanelContent {
        enum Kind { kNothing, kFood, kDish, kEntry, kItem, kStatus, kSelling } kind = kNothing;
        const Food* food = nullptr;  // kFood, kDish
        const FoodDef* entry = nullptr;
        const CItem* item = nullptr;
    };
    PanelContent ShownInPanel() const;

    // The device drawn on and the pictures drawn, the component's.
    CDirectGraphics& graphics() const;
    SceneTextures& textures() const;

    // The steps of Draw (draw*.cpp, game/panels/).
    void DrawShopView() const;
    void DrawHeroine() const;
    void DrawPot() const;
    void DrawStaminaGauge() const;
    void DrawSunAndMoon() const;
    void DrawDateBar() const;
    void DrawInfoPanel() const;
    void DrawStatusPanel() const;
    void DrawSellingView() const;
    void DrawPortrait() const;
    // `hide` counts the lines still to hide at the top; the lines the node takes are returned.
    int DrawCompositionLines(int x, int y, int depth, const FoodNode& node, int& hide,
                             bool& all_fit) const;

    // The steps of Animate, beside the drawing they animate.
    void AnimateBlink();
    void AnimateTicker(const Food& dish);

    CVemuComp& game_;
    int frame_counter_ = 0;
    PlayDrawState state_;
};
