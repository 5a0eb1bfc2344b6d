#include "game/data/data_line_reader.h"

#include <cstring>

namespace {

constexpr int kBufferBytes = static_cast<int>(kDataLineBytes);

}  // namespace

bool ReadDataLines(LineSource& source, const RecordParser& parse) {
    unsigned char buffer[kBufferBytes];
    int count = 0;
    // The carriage return ended the buffer, so its line feed may start the next fill.
    bool drop_line_feed = false;
    // The line in front did not fit the buffer: skip to its end.
    bool skipping = false;
    RecordLine line;

    for (;;) {
        // Fill the buffer as far as the source goes, so a line is never cut by a short read.
        while (count < kBufferBytes && !source.AtEnd()) {
            int wanted = kBufferBytes - count;
            if (!source.Read(buffer + count, &wanted)) return false;
            if (wanted <= 0) break;  // a source that delivers nothing has nothing more
            count += wanted;
        }
        if (count == 0) break;
        if (drop_line_feed && count > 0) {
            if (buffer[0] == '\n') {
                std::memmove(buffer, buffer + 1, count - 1);
                --count;
            }
            drop_line_feed = false;
            if (count == 0) continue;
        }

        auto* cr = static_cast<unsigned char*>(std::memchr(buffer, '\r', count));
        int length = count;
        if (cr != nullptr) {
            *cr = '\0';
            length = static_cast<int>(cr - buffer) + 1;
            if (length < count) {
                if (buffer[length] == '\n') ++length;
            } else {
                drop_line_feed = true;
            }
        }

        if (!skipping && count > 0 && buffer[0] != ';') {
            line.Assign(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
            parse(line);
        }
        // A full buffer without a carriage return is the head of an overlong line.
        skipping = cr == nullptr && count == kBufferBytes && !source.AtEnd();

        std::memmove(buffer, buffer + length, count - length);
        count -= length;
    }
    return true;
}
