#include "engine/framework/key_repeat.h"

namespace key_repeat {

bool EntryActs(int held) { return held == 1 || (held > 10 && held % 8 == 0); }

bool ListActs(int held) { return EntryActs(held) || (held > 64 && held % 4 == 0); }

}  // namespace key_repeat

int PulsePhase(int frame_count) {
    int k = frame_count % 30;
    if (k < 0) k += 30;
    return k >= 15 ? 30 - k : k;
}
