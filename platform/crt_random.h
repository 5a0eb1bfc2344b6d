// The C runtime's rand() as the game's rules expect it: the classic 32-bit Windows generator
// with its 15-bit results. One generator serves the whole program; tests seed it.
#pragma once

#include <cstdint>

namespace platform {

class CrtRandom {
public:
    static constexpr int kMax = 0x7FFF;

    void Seed(std::uint32_t seed) { state_ = seed; }
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    std::uint32_t State() const { return state_; }

private:
    std::uint32_t state_ = 1;  // the runtime's state before any srand
};

CrtRandom& GameRandom();
void Srand(std::uint32_t seed);
int Rand();

}  // namespace platform
