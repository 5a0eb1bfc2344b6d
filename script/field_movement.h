// Movement of field characters, one 32-pixel cell at a time.
#pragma once

#include <cstdint>

class CFieldCharacter {
public:
    static constexpr int kCellSize = 32;

    virtual ~CFieldCharacter() = default;
    virtual void MoveTo(int mode, int x, int y, std::int32_t speed) = 0;
    virtual float GetX() const = 0;
    virtual float GetY() const = 0;

    bool CanMove() const { return !stopped && !held; }

    // Either flag keeps the character where it stands.
    std::uint8_t stopped = 0;
    std::uint8_t held = 0;
    std::int32_t speed = 0;
};

// A step to a random neighbouring cell (or to the same cell): each axis moves by +32, 0 or -32,
// the y offset drawn first.
void FieldRandomStep(CFieldCharacter& character);
// One pixel on each axis toward the followed character.
void FieldFollowStep(CFieldCharacter& character, const CFieldCharacter& followed);
