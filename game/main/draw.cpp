#include "game/main/vemu_comp.h"

// The play screen's drawing: to be written.
void CVemuComp::Draw() {}
void CVemuComp::DrawFoodInfo(const Food&) {}
void CVemuComp::DrawDishInfo(const Food&) {}
int CVemuComp::DrawCompositionLines(int, int, int, const FoodNode&, int&, bool&) { return 0; }
