#include "engine/common/numbers.h"

#include <cstdlib>

int TriangleWave(int t, int a, int b, int step) {
    const long long span = static_cast<long long>(b) - a;
    const long long period = 2 * span * step;
    if (period == 0 || step == 0) return b;
    const long long value = std::llabs((t % period) / step - span) + a;
    return static_cast<int>(value);
}

std::string IntToString(int value) { return std::to_string(value); }
