// Where a Japanese line may break: a bracketed name (『…』, 「…」 and the other pairs) and a
// word of one script (a run of kanji, of katakana, of letters and digits) stay whole, an
// opening bracket stays with what follows it, and closing punctuation and small kana never
// begin a line. Offsets are bytes into CP932 text.
#pragma once

#include <string_view>

namespace line_break {

// The bytes from pos that belong together: the bracketed name or the word starting there, else
// one character. A name whose closing bracket is not within `capacity` bytes is its opening
// bracket and the unit after it. 0 at the end, a newline or a form feed.
int UnitLength(std::string_view text, int pos, int capacity);

// The character at pos may not begin a line (closing brackets and punctuation, small kana, the
// long-vowel and repeat marks).
bool NoLineStart(std::string_view text, int pos);

// The character at pos opens a bracketed name.
bool OpensName(std::string_view text, int pos);

// The last place up to `end` where a line of text may break, after at least its first unit;
// `end` when the first unit alone runs past it.
int LastBreak(std::string_view text, int end);

// The bytes of the character at pos (0 at the end).
int CharBytes(std::string_view text, int pos);

}  // namespace line_break
