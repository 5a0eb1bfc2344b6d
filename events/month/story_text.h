// Lines with figures in them, printed the way the scenes' message lines are.
#pragma once

#include <string>

// printf-style formatting into a line of at most 1023 bytes (a longer one is cut short).
std::string FormatLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
