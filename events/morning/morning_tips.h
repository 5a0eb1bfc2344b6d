// ゼルバ's morning tips: a draw of 0 to 23 picks one of twelve, or none.
#pragma once

inline constexpr int kMorningTipDraws = 24;
inline constexpr int kMorningTipCount = 12;

// The tip of a draw, or null for a draw that brings none.
const char* MorningTip(int draw);
