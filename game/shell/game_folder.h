// The game folder the program runs from must hold what the game cannot start without: its
// dat/ and res/ folders and the two data files. Checked before anything is loaded, so that a
// missing folder is one message rather than one per file in it.
#pragma once

#include <string>
#include <vector>

// The paths on disk (UTF-8) of what is missing: the game folder alone when it is missing
// itself, else each missing folder and each data file missing from a folder that is there.
std::vector<std::string> MissingGameFiles();
// True when nothing is missing; otherwise one message box names each missing path, followed by
// the commands that build or install the game folder, and the result is false.
bool CheckGameFolder();
