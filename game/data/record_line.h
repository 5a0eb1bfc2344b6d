// One line of a data file as the record parsers see it: a zero-filled buffer of 1024 bytes
// plus one terminator byte that is always zero, so a field can never run off the end, and
// the field readers that cut it at ',' and line feeds.
#pragma once

#include <cstddef>
#include <string_view>

inline constexpr std::size_t kDataLineBytes = 1024;

struct RecordLine {
    RecordLine() { Clear(); }
    // A line holding the first kDataLineBytes bytes of text.
    explicit RecordLine(std::string_view text);

    void Clear();
    void Assign(const char* bytes, std::size_t count);
    char* begin() { return bytes; }
    // The terminator: field readers stop here.
    const char* end() const { return bytes + kDataLineBytes; }

    char bytes[kDataLineBytes + 1];
};

// A text field runs from the cursor to the first ',', line feed or zero, which becomes a
// zero; *start receives the field. Returns the position after it (never beyond `end`).
char* ReadTextField(char* cursor, const char* end, char** start);
// Up to 9 characters up to the first ',', line feed or zero, read as a decimal number (leading
// digits, 0 when none). Returns the cursor plus the characters taken plus one (never beyond
// `end`): a longer number is cut, and the next field starts after its ninth character.
char* ReadNumberField(char* cursor, const char* end, int* value);
