// What the heroine can find on an outing; the place does not change it.
#pragma once

#include <array>

// The finds of the first draw; the draw after them draws again, from the second list.
inline constexpr std::array<const char*, 2> kOutingFirstFinds = {"ゼルバワラビ", "ゼルゼルダケ"};
inline constexpr std::array<const char*, 7> kOutingSecondFinds = {
    "いちご", "りんご", "タケノコ", "シイタケ", "大豆", "ジャガイモ", "ココロの実"};
