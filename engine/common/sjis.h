// Shift-JIS (code page 932) text: the program's own encoding. These rules are byte rules and do
// not depend on any locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

// A lead byte starts a two-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Bytes of the character starting at text[pos]: 2 for a lead byte followed by a byte, else 1
// (a lone lead byte at the end counts as one byte, so nothing reads past the end).
std::size_t CharLength(std::string_view text, std::size_t pos);

// The largest cut <= limit that does not split a character.
std::size_t CutPosition(std::string_view text, std::size_t limit);
std::string CutAt(std::string_view text, std::size_t limit);

// Conversions through iconv's CP932 (not SHIFT_JIS, which would turn 0x5C into a yen sign).
// Undecodable bytes become U+FFFD in UTF-8 and '?' in CP932.
std::string ToUtf8(std::string_view cp932);
std::string FromUtf8(std::string_view utf8);
// The code points of the text; undecodable bytes become U+FFFD.
std::u32string ToCodePoints(std::string_view cp932);

}  // namespace sjis
