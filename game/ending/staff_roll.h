// The texts of the staff roll: each entry is a heading and a line of names (CP932).
#pragma once

namespace staff_roll {

constexpr int kEntries = 28;
struct Entry {
    const char* heading;
    const char* names;
};
extern const Entry kRoll[kEntries];

}  // namespace staff_roll
