// The dishes and the ingredient the story of Cherry's illness turns on, for the start-up check
// of the names the game needs.
#pragma once

inline constexpr const char* kLasagna = "ラザニア";        // what Narf wants on the menu
inline constexpr const char* kBarmement = "バーメメント";  // what she gives for it
inline constexpr const char* kMemorial = "メモリアル";     // the dish that cures Cherry

struct RequiredNames;
void AddChainNames(RequiredNames& names);
