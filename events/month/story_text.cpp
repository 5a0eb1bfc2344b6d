#include "events/month/story_text.h"

#include <cstdarg>
#include <cstdio>

std::string FormatLine(const char* format, ...) {
    char line[1024];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    return length < 0 ? std::string() : std::string(line);
}
