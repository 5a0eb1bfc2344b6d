// The logo shown at start-up. After 128 frames it asks for the deferred start of the remaining
// devices and switches to the title.
#pragma once

#include "engine/framework/game_component.h"
#include "engine/graphics/texture.h"

class CLogoComp : public CQZGameComponent {
public:
    static constexpr const char* kName = "LogoComp";
    static constexpr int kTitleFrame = 128;

    CLogoComp();
    void Initialize() override;
    void Finalize() override {}
    // Also draws: the logo paints its whole frame itself.
    void Update() override;

    int frame_count() const { return frame_count_; }
    bool started_title() const { return started_title_ != 0; }

private:
    void DrawTinted(DTexture& texture, int x, int y, int level, int alpha);

    DTexture frames_[4];
    DTexture picture_;
    DTexture banner_;
    unsigned char started_title_ = 0;
    int frame_count_ = 0;
};
