#include "script/field_movement.h"

#include "engine/common/system.h"

namespace {
int RandomCellOffset() {
    return CFieldCharacter::kCellSize - CFieldCharacter::kCellSize * (Rand() % 3);
}

int Toward(int from, int to) { return from < to ? from + 1 : from > to ? from - 1 : from; }
}  // namespace

void FieldRandomStep(CFieldCharacter& character) {
    if (!character.CanMove()) return;
    const int dy = RandomCellOffset();
    const int dx = RandomCellOffset();
    character.MoveTo(0, static_cast<int>(character.GetX() + dx),
                     static_cast<int>(character.GetY() + dy), character.speed);
}

void FieldFollowStep(CFieldCharacter& character, const CFieldCharacter& followed) {
    if (!character.CanMove()) return;
    const int x = static_cast<int>(character.GetX());
    const int y = static_cast<int>(character.GetY());
    character.MoveTo(0, Toward(x, static_cast<int>(followed.GetX())),
                     Toward(y, static_cast<int>(followed.GetY())), character.speed);
}
