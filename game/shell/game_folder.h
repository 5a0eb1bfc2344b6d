// What the game cannot start without, checked before anything is loaded: the game folder's
// dat/ and res/ folders and the two data files, and a font that draws Japanese. What is missing
// is one message rather than one per file, or a game whose every text is a row of boxes.
#pragma once

#include <string>
#include <vector>

// The paths on disk (UTF-8) of what is missing: when the game folder itself is missing, each
// place looked in for it; else each missing folder and each data file missing from a folder
// that is there.
std::vector<std::string> MissingGameFiles();
// True when the backend draws for a player and found no font file that covers Japanese.
bool MissingJapaneseFont();
// True when nothing is missing; otherwise one message box names each missing path, followed by
// the commands that build or install the game folder, and the missing font with the packages
// that bring one, and the result is false.
bool CheckBeforeStart();
