// The music of the visits and the story chains, by id.
#pragma once

inline constexpr int kMusicShop = 1;
inline constexpr int kMusicVemu = 6;
inline constexpr int kMusicRago = 8;
inline constexpr int kMusicWorry = 10;
inline constexpr int kMusicTown = 11;
inline constexpr int kMusicTasteKing = 12;
// A request for no music at all: what plays goes on.
inline constexpr int kMusicUnchanged = 0;
