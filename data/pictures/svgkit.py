"""Small helpers shared by every picture: the palette, the line style and SVG wrappers.

Pictures leave their transparent parts transparent; the converter paints them in the key
colour of the picture's format.

Every picture of the game takes its outline colour, line width and base colours from here,
so that portraits, sprites and boards read as one set."""

INK = "#4a2f1d"  # outline of everything: a warm dark brown, never black
INK_SOFT = "#7a5236"
LINE = 2.0  # outline width at 1:1 scale
SKIN = "#ffe2c8"
SKIN_SHADE = "#f4c3a0"
BLUSH = "#f59a8a"
WHITE = "#fffdf8"
CREAM = "#fbf1dc"
WOOD = "#c98d52"
WOOD_DARK = "#9a6234"
WOOD_LIGHT = "#e2b27a"
RED = "#e2483d"
ORANGE = "#f08a3c"
YELLOW = "#f7cf4a"
GREEN = "#6aa84f"
LEAF = "#8cc56a"
SKY = "#9fd3f0"
BLUE = "#4f74b0"
TEAR = "#8fd0f5"
GOLD = "#e9b52f"


def svg(width, height, body, background=None):
    """A whole document; the background, when given, fills the canvas first."""
    bg = f'<rect width="{width}" height="{height}" fill="{background}"/>' if background else ""
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}" shape-rendering="geometricPrecision">'
        f'<defs>{DEFS}</defs>{bg}{body}</svg>\n'
    )


DEFS = (
    '<linearGradient id="woodgrain" x1="0" y1="0" x2="0" y2="1">'
    f'<stop offset="0" stop-color="{WOOD_LIGHT}"/><stop offset="1" stop-color="{WOOD}"/></linearGradient>'
    '<linearGradient id="paper" x1="0" y1="0" x2="0" y2="1">'
    '<stop offset="0" stop-color="#fff8e6"/><stop offset="1" stop-color="#f6e6c4"/></linearGradient>'
    '<radialGradient id="glow" cx="0.5" cy="0.4" r="0.7">'
    '<stop offset="0" stop-color="#ffffff" stop-opacity="0.7"/>'
    '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>'
)


def stroke(width=LINE, color=INK):
    return f'stroke="{color}" stroke-width="{width}" stroke-linejoin="round" stroke-linecap="round"'


def path(d, fill="none", width=LINE, color=INK, extra=""):
    s = stroke(width, color) if width else 'stroke="none"'
    return f'<path d="{d}" fill="{fill}" {s} {extra}/>'


def ellipse(cx, cy, rx, ry, fill, width=LINE, color=INK, extra=""):
    s = stroke(width, color) if width else 'stroke="none"'
    return f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="{fill}" {s} {extra}/>'


def circle(cx, cy, r, fill, width=LINE, color=INK, extra=""):
    return ellipse(cx, cy, r, r, fill, width, color, extra)


def rect(x, y, w, h, fill, rx=0, width=LINE, color=INK, extra=""):
    s = stroke(width, color) if width else 'stroke="none"'
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{rx}" fill="{fill}" {s} {extra}/>'


def group(body, transform="", extra=""):
    t = f' transform="{transform}"' if transform else ""
    return f"<g{t} {extra}>{body}</g>"


JAPANESE_FONTS = "IPAPGothic, IPAGothic, Droid Sans Fallback, sans-serif"


def text(x, y, content, size, fill=INK, anchor="middle", weight="bold", extra="",
         family=JAPANESE_FONTS):
    return (
        f'<text x="{x}" y="{y}" font-family="{family}" '
        f'font-size="{size}" font-weight="{weight}" fill="{fill}" text-anchor="{anchor}" {extra}>'
        f"{content}</text>"
    )


def star(cx, cy, r_out, r_in, points=5, rotate=-90):
    import math

    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rotate + i * 180 / points)
        pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    return "M" + " L".join(pts) + " Z"


def sparkle(cx, cy, r, fill=WHITE):
    d = (
        f"M{cx},{cy - r} Q{cx + r * 0.18},{cy - r * 0.18} {cx + r},{cy} "
        f"Q{cx + r * 0.18},{cy + r * 0.18} {cx},{cy + r} Q{cx - r * 0.18},{cy + r * 0.18} {cx - r},{cy} "
        f"Q{cx - r * 0.18},{cy - r * 0.18} {cx},{cy - r} Z"
    )
    return path(d, fill, 1.2)
