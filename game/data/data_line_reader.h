// Reads a data file's lines out of a byte stream: lines end in a carriage return (with or
// without a line feed after it), lines beginning with ';' are comments, and every other line
// is handed to the record parser in a fresh zero-filled RecordLine.
#pragma once

#include <functional>

#include "game/data/record_line.h"

class LineSource {
public:
    virtual ~LineSource() = default;
    // No more bytes to come.
    virtual bool AtEnd() const = 0;
    // Up to *count bytes; *count becomes the number delivered. False on a read error.
    virtual bool Read(unsigned char* buffer, int* count) = 0;
};

using RecordParser = std::function<void(RecordLine&)>;

// False when the source reported a read error; the lines before it have been parsed. A line
// longer than the 1024-byte buffer is parsed as its first 1024 bytes and the rest of it, up to
// its carriage return, is skipped.
bool ReadDataLines(LineSource& source, const RecordParser& parse);
