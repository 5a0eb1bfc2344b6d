"""The heroine behind her counter: idle, blinking and at work with each cooking method.

The idle pictures are 180 x 200; the work pictures of roasting, boiling and frying are 230 x 200
with the heroine 50 px further right (they are drawn 50 px further left on screen), so that she
stands on the same spot and the stove takes the extra room."""

from people import PEOPLE, head
from svgkit import (GOLD, INK, SKIN, WHITE, circle, ellipse, group, path, rect)

IDLE_W, WORK_W, HEIGHT = 180, 230, 200
APRON = "#f08a3c"
STEEL = "#b8c0c8"
STEEL_DARK = "#7d8790"


def _hand(x, y):
    return circle(x, y, 7, SKIN, 1.8)


def _body():
    """Torso with blouse and apron, centred at x 90."""
    out = path("M40,200 C40,140 52,112 90,110 C128,112 140,140 140,200 Z", WHITE)
    out += path("M62,200 L64,142 C76,136 104,136 116,142 L118,200 Z", APRON)
    out += path("M66,142 L58,116 M114,142 L122,116", "none", 4, APRON)
    out += path("M80,110 L90,122 L100,110", "none", 1.8)
    out += rect(74, 160, 32, 18, "#f7a868", 3, 1.6)  # pocket
    out += rect(82, 96, 16, 18, SKIN, 5, 0)  # neck
    return out


def _arm(shoulder, elbow, hand):
    (sx, sy), (ex, ey), (hx, hy) = shoulder, elbow, hand
    sleeve = path(f"M{sx},{sy} Q{ex},{ey} {hx},{hy}", "none", 15, INK)
    sleeve += path(f"M{sx},{sy} Q{ex},{ey} {hx},{hy}", "none", 11, WHITE)
    return sleeve + _hand(hx, hy)


def _heroine(expr="normal", blink=0, arms="rest", tilt=0):
    p = PEOPLE["vemu"]
    out = _body()
    if arms == "rest":
        out += _arm((52, 130), (44, 160), (70, 176)) + _arm((128, 130), (136, 160), (110, 176))
    out += group(head(p, expr, blink), f"translate(30,-2) rotate({tilt},60,100)")
    return out


def idle(blink=0):
    return _heroine("normal", blink)


def hand_work(frame):
    """Mixing in a bowl: the whisk swings from side to side."""
    out = _heroine("smile", tilt=-3 if frame == 0 else 3, arms="work")
    whisk_x = 76 if frame == 0 else 104
    bowl = path("M52,150 C52,186 128,186 128,150 Z", "#f7e9c8") + ellipse(90, 150, 38, 8, "#fff4d8")
    batter = ellipse(90, 151, 32, 5, "#f6d27a", 1.2)
    whisk = (path(f"M{whisk_x},150 L{whisk_x + (10 if frame == 0 else -10)},104", "none", 3.5,
                  "#9a6234") +
             ellipse(whisk_x - (2 if frame == 0 else -2), 146, 7, 11, "none", 1.8, STEEL_DARK))
    out += _arm((52, 130), (48, 158), (58, 160)) + bowl + batter + whisk
    out += _arm((128, 130), (130, 118), (whisk_x + (9 if frame == 0 else -9), 110))
    drops = [(60, 118), (120, 126)] if frame == 0 else [(124, 112), (56, 130)]
    out += "".join(circle(x, y, 3, "#f6d27a", 1.2) for x, y in drops)
    return out


def _stove(x0):
    """A small iron stove top at the left of the work pictures."""
    out = rect(x0, 150, 96, 50, "#6a5a52", 4)
    out += rect(x0 + 6, 160, 84, 8, "#4a3e38", 2, 1.2)
    out += rect(x0 + 14, 178, 20, 14, "#3a302c", 2, 1.2) + rect(x0 + 60, 178, 20, 14, "#3a302c", 2, 1.2)
    return out


def _flames(cx, cy, frame, scale=1.0):
    out = ""
    offsets = [-22, -8, 6, 20] if frame == 0 else [-18, -2, 12, 24]
    for i, dx in enumerate(offsets):
        h = (16 + (i * 7 + frame * 9) % 12) * scale
        x = cx + dx
        out += path(f"M{x - 6},{cy} C{x - 7},{cy - h * 0.5} {x},{cy - h * 0.7} {x},{cy - h} "
                    f"C{x + 2},{cy - h * 0.6} {x + 7},{cy - h * 0.5} {x + 6},{cy} Z", "#f59a2a", 1.4)
        out += path(f"M{x - 3},{cy} C{x - 3},{cy - h * 0.3} {x},{cy - h * 0.4} {x},{cy - h * 0.55} "
                    f"C{x + 1},{cy - h * 0.35} {x + 3},{cy - h * 0.3} {x + 3},{cy} Z", "#ffe36a", 0)
    return out


def _at_work(expr, tilt, arm_left, picture):
    """The heroine 50 px right of the idle place, her right arm working over the stove; the
    working arm's elbow and hand are given in picture coordinates."""
    out = picture
    out += group(_body() + _arm((128, 130), (136, 160), (112, 172)), "translate(50,0)")
    out += group(head(PEOPLE["vemu"], expr), f"translate(80,-2) rotate({tilt},60,100)")
    out += _arm((102, 130), *arm_left)
    return out


def roasting(frame):
    """Tossing food in a pan over the flames."""
    pan_y = 96 if frame == 0 else 120
    tilt = -8 if frame == 0 else 4
    picture = _stove(4) + _flames(50, 150, frame)
    pan = group(ellipse(50, 0, 40, 10, "#3a3a40") + ellipse(50, -2, 34, 6, "#55555c", 0) +
                path("M88,0 L104,-3", "none", 6, "#6a4a34"), f"translate(0,{pan_y}) rotate({tilt},50,0)")
    food = ""
    if frame == 0:
        food = (ellipse(40, 62, 8, 5, "#c8643a", 1.4) + ellipse(58, 50, 7, 5, "#6aa84f", 1.4) +
                ellipse(66, 70, 6, 4, "#f7cf4a", 1.4) + path("M30,80 L26,72 M70,84 L76,76", "none", 1.6))
    else:
        food = (ellipse(42, 114, 9, 4, "#c8643a", 1.2) + ellipse(58, 113, 7, 4, "#6aa84f", 1.2) +
                path("M28,100 q4,-8 0,-14 M50,98 q4,-8 0,-14 M72,100 q4,-8 0,-14", "none", 1.8, "#a0a0a8"))
    picture += pan + food
    return _at_work("glad" if frame == 0 else "smile", -4 if frame == 0 else 2,
                    ((86, 128), (100, pan_y - 3)), picture)


def _steam(cx, top, frame):
    out = ""
    puffs = [(-18, 0), (4, -22), (-10, -46), (12, -66)] if frame == 0 else \
        [(-4, -10), (16, -34), (-16, -56), (2, -78)]
    for dx, dy in puffs:
        r = 10 + (-dy) * 0.08
        out += circle(cx + dx, top + dy, r, "#ffffff", 1.4, "#b8c4cc", 'fill-opacity="0.85"')
    return out


def boiling(frame):
    """A big pot on the stove, stirred with a ladle; the steam rises in turns."""
    picture = _stove(4) + _flames(52, 150, frame, 0.5)
    picture += path("M12,100 L16,148 L90,148 L94,100 Z", "#d84a3a")
    picture += ellipse(53, 100, 41, 9, "#c83a2e")
    picture += ellipse(53, 101, 35, 6, "#f0b860", 1.2)
    picture += path("M8,112 L14,112 M92,112 L98,112", "none", 4)
    bubbles = [(36, 100), (60, 102), (72, 99)] if frame == 0 else [(44, 101), (66, 100), (30, 102)]
    picture += "".join(circle(x, y, 2.5, "#fff0c8", 1) for x, y in bubbles)
    picture += _steam(50, 78, frame)
    lx = 66 if frame == 0 else 46
    picture += path(f"M{lx},100 L{lx + 30},76", "none", 4, "#9a6234")
    return _at_work("normal" if frame == 0 else "smile", 0 if frame == 0 else 3,
                    ((86, 128), (lx + 30, 76)), picture)


def frying(frame):
    """Deep frying: the shrimp goes in and out of the bubbling oil."""
    picture = _stove(4) + _flames(52, 150, frame, 0.5)
    picture += path("M14,104 L20,148 L86,148 L92,104 Z", STEEL_DARK)
    picture += ellipse(53, 104, 39, 8, STEEL)
    picture += ellipse(53, 105, 33, 5, "#f2c04a", 1.2)
    picture += path("M10,104 L-4,98", "none", 4, "#3a3a40")
    shrimp_y = 92 if frame == 0 else 104
    picture += group(path("M0,0 C6,-10 22,-10 28,0 C22,4 6,4 0,0 Z", "#e8a040", 1.6) +
                     path("M28,0 L36,-6 L34,4 Z", "#e2483d", 1.4) +
                     path("M8,-4 L8,3 M14,-5 L14,3 M20,-4 L20,3", "none", 1, "#b8702a"),
                     f"translate(34,{shrimp_y}) rotate(-10)")
    picture += path(f"M48,{shrimp_y - 6} L100,{shrimp_y - 32} M50,{shrimp_y - 2} L100,{shrimp_y - 27}",
                    "none", 2.4, "#c98d52")
    pops = [(24, 84), (70, 80), (46, 70), (84, 92)] if frame == 0 else [(30, 90), (62, 76), (80, 86), (16, 94)]
    for x, y in pops:
        picture += path(f"M{x - 4},{y} L{x + 4},{y} M{x},{y - 4} L{x},{y + 4} M{x - 3},{y - 3} L{x + 3},{y + 3} "
                        f"M{x - 3},{y + 3} L{x + 3},{y - 3}", "none", 1.6, "#f7cf4a")
    return _at_work("glad" if frame == 0 else "amaze", -2 if frame == 0 else 2,
                    ((86, 128), (100, shrimp_y - 29)), picture)
