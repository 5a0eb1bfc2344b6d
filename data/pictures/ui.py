"""Boards, frames, buttons, cursors and the small marks of the date bar.

Frames that other pictures show through are filled with the key colour, which the loader turns
transparent; everything else follows the wooden and paper look of the shop."""

import math

from svgkit import (CREAM, GOLD, INK, INK_SOFT, LINE, RED, WHITE, WOOD, WOOD_DARK,
                    WOOD_LIGHT, YELLOW, circle, ellipse, group, path, rect, sparkle, star, text)


def _plank(x, y, w, h, rx=6):
    out = rect(x, y, w, h, "url(#woodgrain)", rx)
    for i in range(1, 3):
        yy = y + h * i / 3
        out += path(f"M{x + 6},{yy:.1f} C{x + w * 0.3},{yy - 2:.1f} {x + w * 0.6},{yy + 2:.1f} "
                    f"{x + w - 6},{yy:.1f}", "none", 1, WOOD_DARK, 'opacity="0.5"')
    return out


def nameboard():
    """The shop's sign; the sun and the moon pass behind it, so the name sits low on it."""
    out = _plank(2, 6, 232, 29, 8)
    out += circle(12, 20, 3, "#8a6a4a", 1.2) + circle(224, 20, 3, "#8a6a4a", 1.2)
    out += text(122, 28, "ぜるば堂", 20, WHITE, extra=f'stroke="{INK}" stroke-width="4" '
                'paint-order="stroke" letter-spacing="6"')
    return out


def ribbon():
    """A cloth band with folded tails; the date and money are drawn over its middle, from the
    year's first digit at 26 to the money's last at 320, clear of the tails."""
    band = "#f7e7c2"
    out = path("M1,10 L16,10 L16,36 L1,36 L8,23 Z", "#e0604a")
    out += path("M339,10 L324,10 L324,36 L339,36 L332,23 Z", "#e0604a")
    out += path("M10,36 L16,40 L16,36 Z M330,36 L324,40 L324,36 Z", "#a8382a")
    out += rect(10, 2, 320, 34, band, 6)
    out += path("M16,7 L324,7 M16,31 L324,31", "none", 1.2, "#d8a860", 'stroke-dasharray="4 3"')
    return out


def gauge():
    """The stamina bar's frame; the bar itself shows through its hollow middle."""
    w, h = 262, 12
    out = rect(1, 1, w - 2, h - 2, "none", 5, 3.5, INK)
    out += rect(1, 1, w - 2, h - 2, "none", 5, 1.4, "#f7e7c2")
    out += path(f"M{w * 0.25:.0f},2 L{w * 0.25:.0f},10 M{w * 0.5:.0f},2 L{w * 0.5:.0f},10 "
                f"M{w * 0.75:.0f},2 L{w * 0.75:.0f},10", "none", 1, INK, 'opacity="0.45"')
    return out


def life():
    """A rice ball: the cook's stamina."""
    out = path("M14,3 C20,3 27,16 26,21 C25,26 3,26 2,21 C1,16 8,3 14,3 Z", WHITE)
    out += rect(7, 16, 14, 10, "#2f4a3a", 2, 1.4)
    out += circle(10, 14, 1.4, "#f59a8a", 0) + circle(18, 14, 1.4, "#f59a8a", 0)
    out += path("M11,11 L11,12 M17,11 L17,12", "none", 1.8)
    return out


PAPER_W = 338


def paper():
    """The info panel: wide enough that a description and the list of what a dish is made of
    (from 200 px in) keep inside it."""
    w = PAPER_W
    out = rect(3, 3, w - 6, 174, "url(#paper)", 10, LINE)
    out += rect(9, 9, w - 18, 162, "none", 7, 1.2, "#d8b880", 'stroke-dasharray="6 4"')
    out += path("M140,-2 L160,-2 L158,12 L142,12 Z", "#e2483d", 1.4, INK, 'opacity="0.9"')
    return out


def shop_frame():
    w, h = 342, 270
    out = ""
    frame = (f"M0,0 L{w},0 L{w},{h} L0,{h} Z M10,10 L10,{h - 10} L{w - 10},{h - 10} L{w - 10},10 Z")
    out += path(frame, WOOD, LINE, INK, 'fill-rule="evenodd"')
    out += rect(4, 4, w - 8, h - 8, "none", 3, 1, WOOD_DARK)
    for x, y in ((5, 5), (w - 5, 5), (5, h - 5), (w - 5, h - 5)):
        out += circle(x, y, 2.5, GOLD, 1)
    return out


def character_frame():
    """Around the portrait (120 x 140, placed 15 px below this frame's top). The speaker's name
    is drawn before the frame, ending 118 px from its left: the hole reaches past it."""
    w, h = 124, 154
    out = ""
    hole = f"M0,0 L{w},0 L{w},{h} L0,{h} Z M3,20 L3,{h - 6} L121,{h - 6} L121,20 Z"
    out += path(hole, WOOD, LINE, INK, 'fill-rule="evenodd"')
    # the plate on top carries the page counter of the list above it, right of the down arrow;
    # it stands inside the band with wood all round, so it never reads as the frame's edge
    out += rect(62, 4, 54, 13, "#fbf1dc", 4, 1.6)
    return out


def message_window():
    """The message window (alpha kept): soft paper with a wooden rim."""
    w, h = 476, 152
    out = rect(4, 4, w - 8, h - 8, "#fffaf0", 14, 5, WOOD, 'fill-opacity="0.88"')
    out += rect(4, 4, w - 8, h - 8, "none", 14, LINE)
    out += rect(11, 11, w - 22, h - 22, "none", 9, 1.2, "#e2c48a")
    out += path(f"M{w - 30},{h - 22} L{w - 22},{h - 22} L{w - 26},{h - 16} Z", "#e2483d", 1.2)
    return out


def item_board(width, height, on):
    fill = "#fff2c4" if on else "#fbf1dc"
    rim = "#f08a3c" if on else WOOD
    out = ""
    # a low board holds two lines of small text from its top to its bottom: a thin rim, no margin
    inset, line = (3, 3.2) if height > 24 else (1, 1.6)
    out += rect(2, inset, width - 4, height - 2 * inset, fill, height / 3, line, rim)
    out += rect(2, inset, width - 4, height - 2 * inset, "none", height / 3, 1.2 if height > 24
                else 0.8, INK)
    if on:
        out += rect(6, 6, width - 12, (height - 12) / 2, "#ffffff", height / 4, 0, INK,
                    'opacity="0.55"')
        out += sparkle(width - 12, 9, 4, YELLOW)
    return out


def page_arrow(up):
    """Small, at the cell's edge away from the list: the up arrow shows in the gap above the
    first board, the down arrow below the last one."""
    d = "M14,1 L21,8 L7,8 Z" if up else "M14,15 L21,8 L7,8 Z"
    return path(d, "#f08a3c", 1.4)


def cursor(pressed):
    """A wooden spoon whose tip is the pointer's hot spot (6, 22)."""
    # drawn with its tip at the origin and the handle straight up, then turned to point down-left
    spoon = (rect(-1.8, -29, 3.6, 17, WOOD, 1.5, 1.6) + ellipse(0, -7, 5, 7, WOOD_LIGHT, 1.8) +
             path("M-1.5,-5 C-2.5,-8 -2,-10 -0.5,-12", "none", 1, "#fff6e0"))
    body = ""
    body += group(spoon, f"translate(6,22) rotate({38 if pressed else 45})")
    if pressed:
        body += path("M1,29 L4,26 M9,31 L9,28 M0,20 L2,21", "none", 1.6, RED)
    return body


_BUTTON_ICONS = {
    # acquisition order: a basket with an arrow into it
    "get": lambda c: (path("M14,12 L38,12 L35,22 L17,22 Z", "#e2b27a", 1.4) +
                      path("M26,2 L26,10 M22,6 L26,10 L30,6", "none", 2, c)),
    # by name: あ
    "name": lambda c: text(26, 19, "あ", 15, c),
    # best-before: a clock
    "consume": lambda c: (circle(26, 12.5, 8, WHITE, 1.6) +
                          path("M26,7 L26,13 L30,15", "none", 1.8, c)),
    # kind: three shapes
    "kind": lambda c: (circle(15, 13, 4, "#e2483d", 1.2) + rect(22, 9, 8, 8, "#6aa84f", 1, 1.2) +
                       path("M38,8 L43,17 L33,17 Z", "#4f74b0", 1.2)),
}


def sort_button(kind, on):
    fill = "#ffe8a8" if on else "#f2e4c8"
    rim = "#f08a3c" if on else WOOD_DARK
    out = ""
    out += rect(1.5, 1.5, 49, 22, fill, 7, 2.6, rim)
    out += rect(1.5, 1.5, 49, 22, "none", 7, 1, INK)
    out += _BUTTON_ICONS[kind](INK if on else INK_SOFT)
    return out


# The sun and the moon cross the sky from 16 px above the screen's top at noon; they are drawn
# small, in the lower part of their 36 x 40 cells, so that they stay whole on the screen.
def sun():
    cx, cy = 18, 28
    rays = "".join(path(f"M{cx + 8 * math.cos(a):.1f},{cy + 8 * math.sin(a):.1f} "
                        f"L{cx + 10 * math.cos(a):.1f},{cy + 10 * math.sin(a):.1f}", "none", 2,
                        "#f59a2a") for a in (i * math.pi / 4 for i in range(8)))
    return rays + circle(cx, cy, 6.5, "#ffd24a", 1.6) + \
        circle(cx - 2, cy - 1, 0.9, INK, 0) + circle(cx + 2, cy - 1, 0.9, INK, 0) + \
        path(f"M{cx - 2},{cy + 2} Q{cx},{cy + 3.5} {cx + 2},{cy + 2}", "none", 1)


def moon():
    return group(
        path("M22,4 C10,6 6,22 14,30 C20,35 30,32 33,26 C22,28 14,18 22,4 Z", "#fff2a8", 2.4) +
        path(star(27, 12, 3.5, 1.5), "#fff2a8", 1.4) + circle(17, 22, 1.6, INK, 0),
        "translate(7,16) scale(0.6)")


def magic():
    return path("M6,28 L20,14", "none", 3, WOOD_DARK) + \
        path(star(22, 11, 9, 4), YELLOW, 1.6) + sparkle(8, 8, 4, WHITE)


# ---- the date bar's marks (32 x 32 cells with alpha; the glyph sits at the top left)

_DIGITS = {
    0: "M5,2 C1,2 1,16 5,16 C9,16 9,2 5,2 Z",
    1: "M3,4 L5.5,2 L5.5,16",
    2: "M1.5,5 C2,1 9,1 8.5,5.5 C8,9 2,12 1.5,16 L8.5,16",
    3: "M2,3 C4,1 9,1.5 8,6 C7.5,8 5,8.5 4,8.5 C6,8.5 9,9 8.5,12.5 C8,16.5 3,16.5 1.5,14",
    4: "M6.5,16 L6.5,2 L1,12 L9,12",
    5: "M8,2 L3,2 L2.2,8 C4,6.8 8.5,7 8.5,11.5 C8.5,16.5 3,16.5 1.5,14",
    6: "M7.5,2.5 C3,2 1.5,8 1.5,11.5 C1.5,16.5 8.5,16.5 8.5,11.5 C8.5,7.5 3,7.5 1.8,10.5",
    7: "M1.5,2 L8.5,2 C6,6 4.5,10 4,16",
    8: "M5,9 C1,8 1.5,2 5,2 C8.5,2 9,8 5,9 C1,10 1,16 5,16 C9,16 9,10 5,9 Z",
    9: "M8.2,7.5 C7,10.5 1.5,10.5 1.5,6.5 C1.5,1.5 8.5,1.5 8.5,6.5 C8.5,10 7,15.5 2.5,16",
}

_MARKS = {
    "year": "M4,2 L2,6 M3,4 L12,4 M3,8 L11,8 M2,12 L13,12 M7,4 L7,17 M3,8 L3,12",
    "month": "M3,3 L3,12 C3,15 2,16 1,17 M3,3 L11,3 L11,17 L9,16 M3,7.5 L11,7.5 M3,11.5 L11,11.5",
    "day": "M2,2 L12,2 L12,17 L2,17 Z M2,9.5 L12,9.5",
    "colon": "M4,7 L4,7.2 M4,13 L4,13.2",
}


def _ink_glyph(d, width=2.4):
    # a light halo first, so the marks read on the ribbon and on darker backgrounds alike
    return path(d, "none", width + 1.6, "#fffaf0") + path(d, "none", width, INK)


def digit(n):
    # narrowed so that glyph and halo stay inside the 10 px advance of the number row
    return group(_ink_glyph(_DIGITS[n], 2.2), "translate(1.4,0) scale(0.74,1)")


def mark(name):
    if name == "money":
        # ends 3 px before the money's first digit, 15 px to its right
        return circle(6.5, 9.5, 5.4, GOLD, 1.6) + \
            path("M6.5,6.5 L6.5,12.5 M4.4,8.4 L8.6,8.4", "none", 1.3) + \
            circle(4.8, 7.2, 1, "#fff6c0", 0)
    glyph = _ink_glyph(_MARKS[name], 2.6 if name == "colon" else 2.2)
    # narrowed, so that a clear gap parts each mark from the next number, 14 px to its right
    return group(glyph, "scale(0.78,1)") if name in ("year", "month", "day") else glyph
