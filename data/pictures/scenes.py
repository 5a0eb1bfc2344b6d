"""Whole scenes: the room, the shop seen from the counter, the title picture and the logo."""

from svgkit import (CREAM, GOLD, INK, INK_SOFT, LEAF, RED, SKY, WHITE, WOOD, WOOD_DARK,
                    WOOD_LIGHT, YELLOW, circle, ellipse, group, path, rect, sparkle, star, text)

MOUNTAIN_FAR = "#a9c4d8"
MOUNTAIN_NEAR = "#7fae7a"
SNOW = "#fbfdff"


def _mountains(w, base, scale=1.0):
    far = (f"M0,{base} L{w * 0.12},{base - 70 * scale} L{w * 0.24},{base - 30 * scale} "
           f"L{w * 0.42},{base - 110 * scale} L{w * 0.6},{base - 40 * scale} "
           f"L{w * 0.78},{base - 90 * scale} L{w},{base - 30 * scale} L{w},{base} Z")
    snow = (f"M{w * 0.42 - 22 * scale},{base - 80 * scale} L{w * 0.42},{base - 110 * scale} "
            f"L{w * 0.42 + 20 * scale},{base - 82 * scale} L{w * 0.42 + 8 * scale},{base - 86 * scale} "
            f"L{w * 0.42},{base - 78 * scale} L{w * 0.42 - 10 * scale},{base - 86 * scale} Z")
    near = (f"M0,{base} L0,{base - 30 * scale} C{w * 0.2},{base - 70 * scale} {w * 0.35},{base - 20 * scale} "
            f"{w * 0.55},{base - 50 * scale} C{w * 0.75},{base - 80 * scale} {w * 0.9},{base - 30 * scale} "
            f"{w},{base - 40 * scale} L{w},{base} Z")
    return path(far, MOUNTAIN_FAR, 2) + path(snow, SNOW, 1.4) + path(near, MOUNTAIN_NEAR, 2)


def _cloud(x, y, s=1.0):
    return group(path("M0,0 C-4,-14 14,-20 20,-10 C26,-24 50,-20 48,-6 C60,-8 62,8 50,8 L2,8 "
                      "C-8,8 -8,0 0,0 Z", WHITE, 1.8), f"translate({x},{y}) scale({s})")


def room():
    """The room behind every panel of the play screen; also the ending's background."""
    out = rect(0, 0, 640, 480, "#f8ead0", 0, 0)
    for x in range(0, 640, 40):
        out += rect(x, 0, 20, 330, "#f3dfbe", 0, 0)
    for x in range(20, 640, 40):
        for y in range(30, 320, 60):
            out += path(star(x, y, 4, 1.8, 4, 0), "#f0cfa0", 0)
    out += rect(0, 330, 640, 110, "url(#woodgrain)", 0, 0)
    for x in range(0, 640, 64):
        out += path(f"M{x},330 L{x},440", "none", 1.5, WOOD_DARK)
    out += rect(0, 324, 640, 10, WOOD_DARK, 0, 0) + path("M0,324 L640,324 M0,334 L640,334", "none", 1.5)
    out += rect(0, 440, 640, 40, "#b07a48", 0, 0) + path("M0,440 L640,440", "none", 2)
    return out


def shop_back():
    """The shop behind the heroine: wall, window to the mountains, shelves."""
    w, h = 322, 250
    out = rect(0, 0, w, h, "#f4dfb8", 0, 0)
    for x in range(0, w, 23):
        out += path(f"M{x},0 L{x},{h}", "none", 1, "#e8caa0")
    # window
    out += rect(10, 20, 70, 80, SKY, 4, 3, WOOD_DARK)
    out += group(_mountains(70, 80, 0.4) + _cloud(12, 30, 0.4), "translate(10,20)")
    out += path("M45,20 L45,100 M10,60 L80,60", "none", 3, WOOD_DARK)
    out += rect(6, 98, 78, 8, WOOD, 2)
    # shelf with jars at the right
    out += rect(262, 40, 56, 7, WOOD, 2) + rect(262, 100, 56, 7, WOOD, 2)
    out += rect(268, 18, 14, 22, "#f7cf4a", 3, 1.6) + rect(286, 24, 12, 16, "#e2483d", 3, 1.6)
    out += rect(300, 14, 14, 26, "#8cc56a", 3, 1.6)
    out += ellipse(276, 92, 10, 8, "#f4f0e8", 1.6) + ellipse(302, 90, 12, 10, "#c98d52", 1.6)
    # hanging pans above the heroine
    out += path("M96,0 L96,14 M250,0 L250,14", "none", 1.6)
    out += circle(96, 24, 10, "#7d8790") + circle(250, 24, 9, "#c87040")
    # a menu board
    out += rect(262, 120, 50, 40, "#3f5a4a", 3, 2.4, WOOD_DARK)
    out += path("M270,132 L300,132 M270,142 L296,142 M270,152 L304,152", "none", 1.6, WHITE)
    out += rect(0, 230, w, 20, WOOD_DARK, 0, 0)
    return out


def shop_front():
    """The counter in front of the heroine; the rest shows through."""
    w, h = 322, 250
    out = ""
    out += rect(-4, 180, w + 8, 74, "url(#woodgrain)", 0, 2)
    out += rect(-4, 176, w + 8, 10, WOOD_LIGHT, 3, 2)
    for x in range(20, w, 46):
        out += path(f"M{x},192 L{x},250", "none", 1.2, WOOD_DARK, 'opacity="0.6"')
    # a bread basket and a potted herb at the ends of the counter
    out += path("M270,176 L274,160 L312,160 L316,176 Z", "#d8a860", 1.8)
    out += ellipse(284, 158, 10, 6, "#e8b060", 1.6) + ellipse(300, 156, 10, 6, "#d89a48", 1.6)
    out += path("M8,176 L10,160 L26,160 L28,176 Z", "#c8643a", 1.8)
    out += ellipse(12, 150, 6, 10, LEAF, 1.4) + ellipse(24, 148, 6, 11, "#6aa84f", 1.4)
    return out


def title_image():
    w, h = 640, 480
    out = rect(0, 0, w, h, "#bfe4f6", 0, 0)
    out += _cloud(60, 90, 1.2) + _cloud(470, 60, 1.0) + _cloud(300, 130, 0.7)
    out += _mountains(w, 360, 1.5)
    out += path("M0,360 C160,340 480,340 640,360 L640,480 L0,480 Z", "#9ccf7a", 2)
    out += path("M300,480 C310,430 330,400 330,372 L352,372 C352,400 380,440 400,480 Z", "#e8d2a0", 2)
    # the eatery
    out += rect(250, 290, 180, 84, "#fbe8c8", 2)
    out += path("M234,296 L340,236 L446,296 Z", "#d8533f", 2.4)
    out += path("M240,296 L440,296", "none", 4, "#a8382a")
    out += rect(318, 322, 40, 52, WOOD, 2) + circle(350, 350, 2.4, GOLD, 1)
    out += rect(266, 314, 36, 30, SKY, 2, 2.4, WOOD_DARK) + rect(376, 314, 36, 30, SKY, 2, 2.4, WOOD_DARK)
    out += path("M284,314 L284,344 M394,314 L394,344", "none", 2, WOOD_DARK)
    # the sign hangs on the wall between the windows, below the title's two buttons
    out += rect(303, 297, 74, 18, WOOD_LIGHT, 4, 2)
    out += text(340, 311, "ぜるば堂", 13, INK)
    out += rect(410, 240, 16, 36, "#a8a8a8", 1, 2)
    for i, (dx, dy) in enumerate(((0, 0), (10, -16), (-4, -32))):
        out += circle(418 + dx, 228 + dy, 8 + i * 2, WHITE, 1.6, "#b8c4cc", 'fill-opacity="0.9"')
    # trees
    for x, y, s in ((60, 380, 1.2), (130, 360, 0.9), (540, 370, 1.1), (600, 392, 1.3)):
        out += group(rect(-4, 0, 8, 26, WOOD_DARK, 1, 1.6) +
                     path("M0,-44 L22,4 L-22,4 Z", "#5f9a52", 2) +
                     path("M0,-62 L16,-22 L-16,-22 Z", "#6fae5e", 2), f"translate({x},{y}) scale({s})")
    for x, y in ((200, 430), (460, 440), (90, 450), (560, 455)):
        out += circle(x, y, 3, "#f7cf4a", 1) + circle(x + 12, y + 6, 3, "#f59a8a", 1)
    return out


def title_logo():
    """The game's name; the cyan around it is the key."""
    out = ""
    style = f'stroke="{INK}" stroke-width="10" stroke-linejoin="round" paint-order="stroke"'
    out += text(300, 64, "ヴェムの", 40, "#f08a3c", extra=style)
    out += text(300, 158, "ぜるば堂", 96, "#fff4d8", extra=style + ' letter-spacing="8"')
    out += path(star(548, 86, 16, 7), YELLOW, 3)
    out += path(star(60, 164, 10, 4.5), YELLOW, 2.4)
    out += path("M120,176 C220,190 380,190 480,176", "none", 7, "#e2483d")
    out += path("M120,176 C220,190 380,190 480,176", "none", 2, INK)
    return out


def studio_logo():
    """The small picture under the bouncing chick while the program starts."""
    out = ""
    out += rect(3, 3, 226, 38, "#fff4d8", 19, 3, "#f08a3c")
    out += rect(3, 3, 226, 38, "none", 19, 1.4)
    out += path("M18,18 L38,18 L36,32 L20,32 Z", "#7d8790", 1.6) + path("M14,18 L42,18", "none", 3)
    out += path("M24,14 q2,-5 0,-9 M32,14 q2,-5 0,-9", "none", 1.6, INK_SOFT)
    # the name keeps inside the plate's rounded ends, right of the pot
    out += text(137, 28, "ZELBADO WORKS", 14, INK,
                extra='letter-spacing="1"', family="DejaVu Sans, sans-serif")
    return out


def chick(frame):
    """A chick in a cook's cap, hopping: stand, crouch, leap, land."""
    squash = {0: (1.0, 1.0, 0), 1: (1.12, 0.86, 4), 2: (0.92, 1.1, -6), 3: (1.06, 0.94, 2)}[frame]
    sx, sy, dy = squash
    body = ellipse(0, 0, 20, 18, "#ffd84a", 2.4)
    body += path("M-20,-2 C-30,-8 -30,4 -20,6" if frame != 2 else "M-18,-4 C-32,-18 -28,-24 -16,-12",
                 "#ffc62a", 2)
    body += path("M20,-2 C30,-8 30,4 20,6" if frame != 2 else "M18,-4 C32,-18 28,-24 16,-12",
                 "#ffc62a", 2)
    body += circle(-7, -4, 2.6, INK, 0) + circle(7, -4, 2.6, INK, 0)
    body += circle(-6, -5, 0.9, WHITE, 0) + circle(8, -5, 0.9, WHITE, 0)
    body += path("M-4,2 L4,2 L0,7 Z", "#f08a3c", 1.6)
    body += ellipse(-12, 4, 3.5, 2, "#f59a8a", 0) + ellipse(12, 4, 3.5, 2, "#f59a8a", 0)
    body += path("M-12,-16 C-18,-28 -6,-34 0,-28 C6,-34 18,-28 12,-16 Z", WHITE, 2)
    feet = "" if frame == 2 else path("M-8,17 L-8,22 M8,17 L8,22", "none", 2.4, "#f08a3c")
    out = ""
    out += group(body + feet, f"translate(32,{38 + dy}) scale({sx},{sy})")
    if frame == 3:
        out += path("M10,60 L16,56 M54,60 L48,56", "none", 1.8, INK_SOFT)
    return out


def banner():
    """The band behind the logo; its soft edges fade out through alpha."""
    w, h = 640, 160
    grad = ('<linearGradient id="bandfade" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="#fff4d8" stop-opacity="0"/>'
            '<stop offset="0.22" stop-color="#fff4d8" stop-opacity="0.95"/>'
            '<stop offset="0.78" stop-color="#fff4d8" stop-opacity="0.95"/>'
            '<stop offset="1" stop-color="#fff4d8" stop-opacity="0"/></linearGradient>')
    out = f"<defs>{grad}</defs>" + rect(0, 0, w, h, "url(#bandfade)", 0, 0)
    out += path("M0,40 L640,40 M0,120 L640,120", "none", 2, "#f08a3c", 'opacity="0.8"')
    for i, x in enumerate(range(24, 640, 64)):
        icon = [circle(0, 0, 7, "#e2483d", 1.4), ellipse(0, 0, 9, 6, "#f7cf4a", 1.4),
                path("M-7,4 L0,-8 L7,4 Z", "#8cc56a", 1.4), ellipse(0, 0, 8, 5, "#c98d52", 1.4)][i % 4]
        out += group(icon, f"translate({x},{24 if i % 2 else 136})", 'opacity="0.8"')
    return out
