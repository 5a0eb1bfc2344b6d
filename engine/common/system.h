// The Windows services the engine and the game call, over the installed platform backend.
// Texts are CP932 here and converted to UTF-8 on their way out.
#pragma once

#include <cstdint>
#include <string>

// MessageBoxA with MB_OK.
void ShowMessageBox(const char* text, const char* caption);

// While one is alive, message boxes are held back, and the outermost shows them as one box
// when it ends: a start-up that finds thirteen damaged files says so once, a line for each.
// A line already held is not repeated; one line keeps its own caption, several take "Error".
class GatheredMessages {
public:
    GatheredMessages();
    ~GatheredMessages();
    GatheredMessages(const GatheredMessages&) = delete;
    GatheredMessages& operator=(const GatheredMessages&) = delete;
};
// MessageBeep.
void Beep();
// OutputDebugStringA.
void DebugOutput(const char* text);
void DebugOutput(const std::string& text);
// timeGetTime: milliseconds, wrapping at 2^32.
std::uint32_t TimeGetTime();
// time(NULL).
std::int64_t WallClockSeconds();
// The C runtime's srand and rand (15-bit results, the classic Windows sequence).
void Srand(std::uint32_t seed);
int Rand();
// ShellExecute "open": a game file name (resolved in the game folder) or a web address.
bool ShellOpen(const char* target);
