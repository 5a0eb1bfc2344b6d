// The staff roll at the end of the story: pairs of lines that scroll up over the room picture,
// one pixel every second frame, until the last page stands and a decide returns to the game.
#pragma once

#include "engine/framework/game_component.h"
#include "engine/graphics/font.h"
#include "engine/graphics/texture.h"

class CEndingComp : public CQZGameComponent {
public:
    static constexpr const char* kName = "EndingComp";
    // From this page on the roll stands and waits for the player.
    static constexpr int kLastPage = 25;
    static constexpr int kStartOffset = 480 + 100;
    static constexpr int kEntryPitch = 150;

    CEndingComp();
    void Initialize() override;
    void Finalize() override {}
    // Every visit shows the whole roll again.
    void OnEnter(int argument) override;
    void Update() override;
    void Draw() override;

    int page() const { return page_; }
    int offset() const { return offset_; }

private:
    void Restart();

    DFont font_;
    DTexture background_;
    int page_ = 0;
    int x_ = 250;
    int offset_ = kStartOffset;
    int frame_count_ = 0;
};
