#include "game/data/record_line.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kNumberFieldChars = 9;

bool EndsField(char c) { return c == ',' || c == '\n' || c == '\0'; }

}  // namespace

RecordLine::RecordLine(std::string_view text) {
    Clear();
    Assign(text.data(), text.size());
}

void RecordLine::Clear() { std::memset(bytes, 0, sizeof(bytes)); }

void RecordLine::Assign(const char* text, std::size_t count) {
    Clear();
    if (count > kDataLineBytes) count = kDataLineBytes;
    std::memcpy(bytes, text, count);
}

char* ReadTextField(char* cursor, const char* end, char** start) {
    *start = cursor;
    while (cursor < end && !EndsField(*cursor)) ++cursor;
    if (cursor >= end) return const_cast<char*>(end);
    *cursor = '\0';
    return cursor + 1;
}

char* ReadNumberField(char* cursor, const char* end, int* value) {
    char digits[kNumberFieldChars + 1] = {};
    int taken = 0;
    while (taken < kNumberFieldChars && cursor + taken < end && !EndsField(cursor[taken])) {
        digits[taken] = cursor[taken];
        ++taken;
    }
    *value = std::atoi(digits);
    char* next = cursor + taken + 1;
    return next > end ? const_cast<char*>(end) : next;
}
