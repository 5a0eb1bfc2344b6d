#include "game/main/view.h"

#include "game/main/vemu_comp.h"

void PlayView::Animate() {
    AnimateBlink();
    const PanelContent shown = ShownInPanel();
    if (shown.kind == PanelContent::kDish) AnimateTicker(*shown.food);
}

CDirectGraphics& PlayView::graphics() const { return game_.graphics_device(); }

SceneTextures& PlayView::textures() const { return game_.stage().textures(); }
