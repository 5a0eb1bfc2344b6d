// One row of a choice list: what it says, what it says right-aligned (prices, counts), the
// builder's own value, whether it can be chosen and its colour.
#pragma once

#include <string>

struct MenuEntry {
    // This exact colour means "draw in the list's text colour".
    static constexpr unsigned kListColor = 0xFFFFFF00;
    static constexpr unsigned kDisabledColor = 0x80808080;

    std::string label;
    std::string second_text;
    int value = 0;  // free for the list's builder; the list never reads it
    unsigned char enabled = 1;
    unsigned color = kListColor;
};
