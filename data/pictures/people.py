"""The game's people: one parameter record per character, and the drawing of a head (with its
expression), a bust for the portraits and the heroine's body for her sprites.

All heads are drawn in one coordinate frame (a 120 x 140 portrait, the face centred at
x 60, chin at y 100); sprites place the same head with a transform."""

from svgkit import (BLUSH, INK, INK_SOFT, LINE, SKIN, SKIN_SHADE, TEAR, WHITE, GOLD, circle,
                    ellipse, group, path, rect, sparkle, star)

# Character records. hair: colour and style; eyes: iris colour (style "round" or "narrow");
# wear: clothing style and its colours; extras: hats, beards and trinkets, drawn in order.
PEOPLE = {
    "vemu": dict(hair="#c8642a", style="ponytail", eyes="#3f8a4a", wear="apron",
                 c1=WHITE, c2="#f08a3c", extras=["bandana"], bg="#fde7c8"),
    "zelba": dict(hair="#ebe7df", style="bald_sides", eyes="#4a3a2a", eye_style="narrow",
                  wear="chef", c1=WHITE, c2="#d0463a", extras=["moustache_big", "toque"],
                  bg="#eadcc8", brows="#d8d4cc", skin="#f6d0ae"),
    "rago": dict(hair="#9a7ac8", style="short", eyes="#6b4a9a", wear="tunic", c1="#9fc46a",
                 c2="#e7d27a", extras=["mushroom"], bg="#e8e0f5"),
    "narf": dict(hair="#e0b84a", style="messy", eyes="#4a6fa0", wear="vest", c1=WHITE,
                 c2="#5a8f5a", extras=["glasses"], bg="#dfeedd"),
    "broms": dict(hair="#3a2a20", style="short", eyes="#4a3a2a", wear="overalls",
                  c1="#d65a4a", c2="#4f74b0", extras=["beard_short"], bg="#d9e4f2",
                  brow_width=3.2, skin="#f7d2ae"),
    "cherry": dict(hair="#e46e8e", style="twintails", eyes="#b03050", wear="dress",
                   c1="#d94a4a", c2=WHITE, extras=["cherries"], bg="#fbe0e4"),
    "merchant": dict(hair="#6a4a2a", style="short", eyes="#4a3a2a", eye_style="narrow",
                     wear="vest", c1="#f2e6c8", c2="#7a4a8a", extras=["moustache_curl", "fez"],
                     bg="#f1e3d0", face="round"),
    "mrs": dict(hair="#d8a850", style="bun", eyes="#6a5a9a", wear="dress", c1="#a88ac8",
                c2=WHITE, extras=["pearls"], bg="#efe4f6"),
    "chmn": dict(hair="#2a2a30", style="slick", eyes="#2a2a30", wear="suit", c1="#c83a3a",
                 c2=WHITE, extras=["bowtie", "microphone"], bg="#f6e4c4", accent="#f7cf4a"),
    "liberty": dict(hair="#3aa8a0", style="short_f", eyes="#2a7a7a", wear="jacket",
                    c1="#f0c040", c2="#fffdf8", extras=["sunglasses_head", "earrings"],
                    bg="#dff3ef"),
    "antonio": dict(hair="#2a1e18", style="curly", eyes="#3a2a1a", wear="chef", c1=WHITE,
                    c2="#3f9a4a", extras=["moustache_big_dark"], bg="#e2f0dc"),
    "masamune": dict(hair="#1e1e2a", style="topknot", eyes="#2a2a3a", wear="kimono",
                     c1="#2f4a7a", c2=WHITE, extras=["hachimaki"], bg="#dde3ef", brow_width=3.4,
                     brows_angle=4),
    "foo": dict(hair="#2a2a2a", style="braid", eyes="#2a2a2a", eye_style="narrow",
                wear="mandarin", c1="#d04030", c2=GOLD, extras=["moustache_thin", "chinese_cap"],
                bg="#f8e2d4"),
    "fransowa": dict(hair="#f2d27a", style="long_curls", eyes="#3a6ad0", wear="dress",
                     c1="#5a7ad0", c2=WHITE, extras=["beret"], bg="#e0e8fa", lashes=True),
    "meister": dict(hair="#a8a8a8", style="short", eyes="#4a4a4a", eye_style="narrow",
                    wear="suit", c1="#7a5a3a", c2=WHITE, extras=["moustache_grey", "monocle",
                                                                   "bowtie"],
                    accent="#3f8a4a", bg="#ece4d8", brows="#8a8a8a"),
    "paty": dict(hair="#f0a0b8", style="bob", eyes="#c05080", wear="chef", c1=WHITE,
                 c2="#f07aa0", extras=["patissier_cap"], bg="#fde6ee"),
    "mtmale": dict(hair="#8a5a30", style="messy", eyes="#3a2a1a", wear="fur", c1="#6a8a3a",
                   c2="#c8a070", extras=["beard_full"], bg="#e5ecd6", brow_width=3.4,
                   skin="#f2c8a0"),
    "tasteking": dict(hair="#f4c430", style="pompadour", eyes="#6a3a8a", wear="cape",
                      c1="#7a3aa0", c2=GOLD, extras=["moustache_curl_gold", "rose"],
                      bg="#efe0f6"),
    "adam": dict(hair="#c8d0dc", style="slick", eyes="#3ab0e0", wear="space", c1="#aab8c8",
                 c2="#5ac0e0", extras=["antenna"], bg="#dfe8f0", skin="#f5e8e2"),
    "king": dict(hair="#f4f2ec", style="short", eyes="#4a3a2a", eye_style="narrow",
                 wear="robe", c1="#c0302a", c2=WHITE, extras=["beard_white", "crown"],
                 bg="#f6e6c8", brows="#dedad2"),
    "queen": dict(hair="#7a8ed0", style="long", eyes="#4a5ab0", wear="gown", c1="#4a6ab8",
                  c2=GOLD, extras=["tiara", "pearls"], bg="#e2e6f8", lashes=True),
    "cocool": dict(hair="#eef4ff", style="messy", eyes="#3aa0d8", wear="coat", c1="#e8f4fc",
                   c2="#68b8e8", extras=["scarf"], bg="#e4f4fc", face="child"),
}

EXPRESSIONS = ["normal", "smile", "glad", "tear", "anger", "annoy", "amaze"]


def _shade(color, factor):
    """The colour darkened (factor < 1) or lightened (factor > 1)."""
    r, g, b = (int(color[i:i + 2], 16) for i in (1, 3, 5))
    if factor < 1:
        r, g, b = (int(v * factor) for v in (r, g, b))
    else:
        r, g, b = (int(v + (255 - v) * (factor - 1)) for v in (r, g, b))
    return f"#{r:02x}{g:02x}{b:02x}"


# ---------------------------------------------------------------- hair


def hair_back(p):
    c, s, ink = p["hair"], p["style"], INK
    if s == "ponytail":
        return path("M78,40 C112,36 118,78 104,112 C100,92 94,74 84,60 Z", c)
    if s == "twintails":
        return (path("M32,46 C10,50 4,90 14,120 C20,100 26,80 36,64 Z", c) +
                path("M88,46 C110,50 116,90 106,120 C100,100 94,80 84,64 Z", c))
    if s == "bob":
        return path("M26,64 C20,24 100,24 94,64 C96,80 96,92 90,98 L30,98 C24,92 24,80 26,64 Z", c)
    if s == "long":
        return path("M26,60 C20,22 100,22 94,60 C98,90 100,120 104,140 L16,140 C20,120 22,90 26,60 Z",
                    c)
    if s == "long_curls":
        curls = "".join(circle(x, y, 9, c) for x, y in
                        [(22, 78), (98, 78), (20, 96), (100, 96), (24, 114), (96, 114)])
        return curls + path("M26,60 C20,22 100,22 94,60 L96,100 L24,100 Z", c, 0)
    if s == "bun":
        return circle(60, 28, 13, c)
    if s == "braid":
        links = "".join(ellipse(96 + i * 2, 84 + i * 11, 6, 7, c) for i in range(4))
        return links + circle(104, 128, 3, "#d04030", 1.2)
    if s == "topknot":
        return rect(55, 18, 10, 16, c, 3) + rect(53, 30, 14, 5, "#e2483d", 2)
    if s == "messy" and p.get("face") != "child":
        return path("M30,70 L22,82 L34,78 Z M90,70 L98,82 L86,78 Z", c)
    return ""


def hair_front(p):
    c, s = p["hair"], p["style"]
    hi = _shade(c, 1.35)
    shine = path("M40,40 C46,34 56,32 64,33", "none", 2.4, hi)
    if s == "ponytail":
        return path("M27,66 C20,26 100,24 93,64 C90,52 78,44 62,50 C52,46 40,52 27,66 Z", c) + shine + \
            path("M28,60 C30,72 30,78 31,84 L26,80 Z", c, 1.5)
    if s == "bald_sides":
        return ellipse(30, 66, 6, 10, c) + ellipse(90, 66, 6, 10, c)
    if s in ("short", "twintails", "bob", "braid"):
        return path("M27,64 C22,26 98,26 93,64 L88,52 L80,57 L73,47 L63,55 L54,46 L45,56 L36,49 Z",
                    c) + shine
    if s == "messy":
        return path("M27,66 L18,46 L32,46 L28,28 L44,36 L50,18 L60,32 L72,18 L76,36 L92,28 "
                    "L88,46 L102,46 L93,66 L86,54 L76,60 L68,48 L58,58 L48,48 L40,60 L33,52 Z",
                    c) + shine
    if s == "long":
        return path("M27,66 C22,26 98,26 93,66 C86,50 70,42 60,40 C50,42 34,50 27,66 Z", c) + shine
    if s == "long_curls":
        return path("M27,64 C22,26 98,26 93,64 C88,50 74,48 66,44 C58,52 40,50 27,64 Z", c) + shine
    if s == "bun":
        return path("M27,64 C22,28 98,28 93,64 C86,46 72,42 60,44 C48,42 34,46 27,64 Z", c) + shine
    if s == "curly":
        curls = "".join(circle(x, y, 9, c) for x, y in
                        [(30, 56), (34, 42), (46, 33), (60, 30), (74, 33), (86, 42), (90, 56)])
        return curls + path("M32,56 C40,46 80,46 88,56 L88,44 L32,44 Z", c, 0)
    if s == "topknot":
        return path("M27,64 C22,28 98,28 93,64 C88,52 74,46 60,46 C46,46 32,52 27,64 Z", c) + \
            path("M44,38 C52,34 68,34 76,38", "none", 1.5, _shade(c, 1.6))
    if s == "slick":
        return path("M27,62 C22,26 98,26 93,62 C88,48 78,44 70,44 L66,38 C56,42 36,46 27,62 Z",
                    c) + path("M70,34 C76,36 84,40 88,48", "none", 2.2, hi)
    if s == "pompadour":
        return path("M28,56 C20,36 30,10 60,8 C94,6 104,32 92,56 C86,44 76,40 66,42 "
                    "C54,40 38,44 28,56 Z", c) + path("M40,28 C50,20 66,18 80,24", "none", 3, hi)
    if s == "short_f":
        return path("M26,72 C18,26 102,26 94,72 L90,86 L86,60 L78,50 C66,56 50,54 40,48 "
                    "L34,60 L30,86 Z", c) + shine
    return ""


# ---------------------------------------------------------------- face


def face_shape(p):
    skin = p.get("skin", SKIN)
    if p.get("face") == "round":
        d = "M26,64 C26,30 94,30 94,64 C94,90 78,102 60,102 C42,102 26,90 26,64 Z"
    elif p.get("face") == "child":
        d = "M29,64 C29,32 91,32 91,64 C91,88 76,98 60,98 C44,98 29,88 29,64 Z"
    else:
        d = "M28,62 C28,30 92,30 92,62 C92,86 76,100 60,100 C44,100 28,86 28,62 Z"
    ears = ellipse(28, 70, 5, 7, skin) + ellipse(92, 70, 5, 7, skin)
    return ears + path(d, skin)


def eye(x, y, p, kind):
    iris = p["eyes"]
    narrow = p.get("eye_style") == "narrow"
    out = ""
    if kind == "closed_happy":
        return path(f"M{x - 6},{y + 2} Q{x},{y - 6} {x + 6},{y + 2}", "none", 2.6)
    if kind == "closed":
        return path(f"M{x - 6},{y} Q{x},{y + 4} {x + 6},{y}", "none", 2.4)
    if kind == "half":
        out += path(f"M{x - 5},{y} Q{x},{y + 6} {x + 5},{y} Z", iris, 1.2)
        return out + path(f"M{x - 6},{y} L{x + 6},{y}", "none", 2.6)
    if kind == "wide":
        out += ellipse(x, y, 7, 8, WHITE, 1.8) + circle(x, y + 1, 2.6, INK, 0)
        return out
    if narrow and kind in ("open", "sparkle"):
        out += ellipse(x, y, 3, 3.4, INK, 0) + circle(x + 1, y - 1, 1, WHITE, 0)
        return out
    rx, ry = (5, 6.5) if kind != "angry" else (5, 4.5)
    yy = y if kind != "angry" else y + 1.5
    out += ellipse(x, yy, rx, ry, iris, 1.6)
    out += ellipse(x, yy + 1, 2.4, 3.2, _shade(iris, 0.45), 0)
    out += circle(x + 1.6, yy - 2.6, 1.8, WHITE, 0)
    if kind == "sparkle":
        out += circle(x - 2, yy + 2.4, 1.0, WHITE, 0)
    if kind == "angry":
        out += path(f"M{x - 6},{yy - 4} L{x + 6},{yy - 4}", "none", 2.4)
    if p.get("lashes"):
        side = 1 if x > 60 else -1
        out += path(f"M{x + side * 4},{yy - 5} L{x + side * 8},{yy - 7}", "none", 1.6)
    return out


def brows(p, kind):
    c = p.get("brows", _shade(p["hair"], 0.7))
    w = p.get("brow_width", 2.4)
    tilt = {"normal": 0, "smile": -1, "glad": -3, "tear": 5, "anger": -7, "annoy": 0,
            "amaze": -4}[kind] - p.get("brows_angle", 0) * (kind == "normal")
    lift = {"normal": 0, "smile": -1, "glad": -3, "tear": -1, "anger": 2, "annoy": 2,
            "amaze": -6}[kind]
    y = 58 + lift
    # tilt > 0 raises the inner ends (sorrow), tilt < 0 lowers them (anger)
    left = f"M40,{y + tilt * 0.3} Q47,{y - 3} 54,{y - tilt * 0.7}"
    right = f"M66,{y - tilt * 0.7} Q73,{y - 3} 80,{y + tilt * 0.3}"
    if kind == "anger":
        left = f"M40,{y - 4} L54,{y + 3}"
        right = f"M66,{y + 3} L80,{y - 4}"
    if kind == "annoy":
        left = f"M40,{y} L54,{y}"
        right = f"M66,{y - 1} Q73,{y - 4} 80,{y}"
    return path(left, "none", w, c) + path(right, "none", w, c)


def mouth(kind, y=88):
    red, dark = "#d9564a", "#8a2f2a"
    if kind == "normal":
        return path(f"M54,{y} Q60,{y + 4} 66,{y}", "none", 2)
    if kind == "smile":
        return path(f"M51,{y - 1} Q60,{y + 10} 69,{y - 1} Z", dark, 1.8) + \
            path(f"M55,{y + 4} Q60,{y + 7} 65,{y + 4}", "none", 0.1) + \
            ellipse(60, y + 5, 4, 2, red, 0)
    if kind == "glad":
        return path(f"M49,{y - 3} L71,{y - 3} Q70,{y + 12} 60,{y + 12} Q50,{y + 12} 49,{y - 3} Z",
                    dark, 1.8) + ellipse(60, y + 8, 6, 3, red, 0)
    if kind == "tear":
        return path(f"M52,{y + 3} Q56,{y - 2} 60,{y + 1} Q64,{y - 2} 68,{y + 3}", "none", 2)
    if kind == "anger":
        return rect(50, y - 3, 20, 8, WHITE, 2, 1.8) + path(f"M50,{y + 1} L70,{y + 1}", "none", 1.2)
    if kind == "annoy":
        return path(f"M52,{y + 1} Q55,{y - 1} 58,{y + 1} Q61,{y + 3} 64,{y + 1} Q66,{y} 68,{y}",
                    "none", 2)
    if kind == "amaze":
        return ellipse(60, y + 2, 4.5, 6, dark, 1.8)
    return ""


EYE_KIND = {"normal": "open", "smile": "closed_happy", "glad": "sparkle", "tear": "open",
            "anger": "angry", "annoy": "half", "amaze": "wide"}


def face(p, expr, blink=0):
    kind = EYE_KIND[expr]
    if blink == 1:
        kind = "half"
    elif blink == 2:
        kind = "closed"
    cheeks = ellipse(40, 82, 7, 4, BLUSH, 0, extra='opacity="%s"' % (0.75 if expr == "glad" else 0.45))
    cheeks += ellipse(80, 82, 7, 4, BLUSH, 0,
                      extra='opacity="%s"' % (0.75 if expr == "glad" else 0.45))
    out = cheeks + eye(47, 71, p, kind) + eye(73, 71, p, kind) + brows(p, expr)
    out += path("M59,79 Q61,81 59,82", "none", 1.4, INK_SOFT)
    return out


def expression_marks(expr):
    """Marks outside the face that make an expression readable at a glance."""
    if expr == "tear":
        return (path("M43,80 C39,88 39,94 43,96 C47,94 47,88 43,80 Z", TEAR, 1.4) +
                path("M77,78 C73,88 73,96 77,98 C81,96 81,88 77,78 Z", TEAR, 1.4) +
                path("M42,76 L50,76 M70,76 L78,76", "none", 1.6, "#5aa8d8"))
    if expr == "anger":
        vein = "M0,-7 Q-1,-1 -7,0 M7,0 Q1,-1 0,-7 M0,7 Q1,1 7,0 M-7,0 Q-1,1 0,7"
        return group(path(vein, "none", 2.6, "#e03a2a"), "translate(90,38)")
    if expr == "annoy":
        return path("M96,44 C90,54 90,60 96,62 C102,60 102,54 96,44 Z", TEAR, 1.4) + \
            path("M14,26 q4,-4 8,0 q4,4 8,0 M12,34 q4,-4 8,0 q4,4 8,0", "none", 1.6, INK_SOFT)
    if expr == "amaze":
        return (path("M16,30 L24,40 M12,48 L22,50 M104,30 L96,40 M108,48 L98,50", "none", 2.4,
                     INK) + path("M60,4 L60,14", "none", 0))
    if expr == "glad":
        return sparkle(18, 28, 7, "#fff6b0") + sparkle(104, 36, 5, "#fff6b0") + \
            sparkle(98, 16, 4, "#fff6b0")
    if expr == "smile":
        return path("M100,30 q3,-6 6,0 q3,6 6,0", "none", 1.6, "#f08a8a")
    return ""


# ---------------------------------------------------------------- beards, hats, trinkets


def extra_behind(p, name):
    """Trinkets that sit behind the head."""
    if name == "cherries":
        return ""
    return ""


def extra_front(p, name, expr):
    h = p["hair"]
    if name == "bandana":
        return (path("M27,52 C30,30 90,30 93,52 C80,44 40,44 27,52 Z", "#e2483d") +
                "".join(circle(x, y, 1.8, WHITE, 0) for x, y in
                        [(40, 42), (52, 37), (64, 36), (76, 38), (86, 44), (46, 46), (70, 42)]) +
                path("M90,46 L104,40 L100,52 Z M92,48 L106,58 L96,60 Z", "#e2483d"))
    if name == "toque":
        return (path("M34,44 C20,30 26,6 44,10 C46,-4 74,-4 76,10 C94,6 100,30 86,44 Z", WHITE) +
                rect(32, 38, 56, 12, WHITE, 3) + path("M50,14 L50,36 M70,14 L70,36", "none", 1.2,
                                                      "#d8d0c4"))
    if name == "moustache_big" or name == "moustache_big_dark" or name == "moustache_grey":
        col = {"moustache_big": "#f4f2ec", "moustache_big_dark": h,
               "moustache_grey": "#b8b8b8"}[name]
        return path("M60,84 C54,78 40,78 34,88 C42,86 50,90 60,88 C70,90 78,86 86,88 "
                    "C80,78 66,78 60,84 Z", col)
    if name == "moustache_curl" or name == "moustache_curl_gold":
        col = h
        return path("M60,84 C52,78 40,80 38,86 C36,90 30,88 32,82 C30,90 40,94 46,88 "
                    "C52,88 56,88 60,87 C64,88 68,88 74,88 C80,94 90,90 88,82 C90,88 84,90 "
                    "82,86 C80,80 68,78 60,84 Z", col, 1.6)
    if name == "moustache_thin":
        return path("M58,84 C50,84 44,90 40,104 M62,84 C70,84 76,90 80,104", "none", 2, h)
    if name == "beard_short":
        return path("M30,70 C32,92 44,104 60,104 C76,104 88,92 90,70 C86,84 76,92 60,92 "
                    "C44,92 34,84 30,70 Z", h, 1.6) + \
            path("M50,84 C54,82 66,82 70,84", "none", 3, h)
    if name == "beard_full" or name == "beard_white":
        col = h
        return path("M28,66 C26,96 40,118 60,120 C80,118 94,96 92,66 C88,82 76,86 60,86 "
                    "C44,86 32,82 28,66 Z", col) + \
            path("M48,84 C54,80 66,80 72,84 C66,86 54,86 48,84 Z", _shade(col, 0.85), 1.4)
    if name == "mushroom":
        return (path("M18,50 C14,14 106,14 102,50 C90,44 30,44 18,50 Z", "#8a5ab8") +
                circle(40, 32, 6, WHITE, 1.2) + circle(62, 24, 5, WHITE, 1.2) +
                circle(82, 36, 6, WHITE, 1.2) + circle(56, 40, 3, WHITE, 1))
    if name == "glasses":
        return (circle(47, 71, 10, "#ffffff", 2, INK, 'fill-opacity="0.25"') +
                circle(73, 71, 10, "#ffffff", 2, INK, 'fill-opacity="0.25"') +
                path("M57,70 Q60,67 63,70 M37,70 L29,66 M83,70 L91,66", "none", 2))
    if name == "fez":
        return path("M40,40 L44,16 L76,16 L80,40 Z", "#b8452e") + \
            path("M60,16 C66,12 72,18 70,28", "none", 1.6, GOLD) + circle(70, 29, 2.5, GOLD, 1)
    if name == "pearls":
        return "".join(circle(44 + i * 4, 118 + (abs(i - 4) ** 2) * -0.35 + 2, 2.6, WHITE, 1)
                       for i in range(9))
    if name == "bowtie":
        col = p.get("accent", "#d0463a")
        return path("M60,112 L48,106 L48,118 Z M60,112 L72,106 L72,118 Z", col) + \
            circle(60, 112, 3, col)
    if name == "microphone":
        return (rect(96, 100, 6, 24, "#6a6a70", 2, 1.6) + circle(99, 96, 7, "#b8b8c0") +
                path("M94,94 L104,94 M93,98 L105,98", "none", 1, "#7a7a80"))
    if name == "sunglasses_head":
        return (rect(36, 34, 20, 9, "#2a3a4a", 4) + rect(64, 34, 20, 9, "#2a3a4a", 4) +
                path("M56,38 L64,38", "none", 2) + path("M40,36 L46,36 M68,36 L74,36", "none", 1.4,
                                                       "#8ab0d0"))
    if name == "earrings":
        return path(star(27, 84, 5, 2.2), GOLD, 1.2) + path(star(93, 84, 5, 2.2), GOLD, 1.2)
    if name == "hachimaki":
        return (path("M27,52 C40,44 80,44 93,52 L93,58 C80,50 40,50 27,58 Z", WHITE) +
                circle(60, 50, 3.5, "#e2483d", 0) +
                path("M93,54 L110,46 L106,56 Z M93,56 L112,64 L102,66 Z", WHITE))
    if name == "chinese_cap":
        return path("M30,46 C30,22 90,22 90,46 Z", "#c0392b") + circle(60, 22, 4, "#e9b52f") + \
            path("M30,46 L90,46", "none", 3)
    if name == "beret":
        return ellipse(58, 30, 36, 12, "#3a5ab0") + path("M56,18 L58,12", "none", 3)
    if name == "monocle":
        return circle(73, 71, 10, "#ffffff", 2.2, GOLD, 'fill-opacity="0.3"') + \
            path("M82,76 C86,90 84,104 80,112", "none", 1.2, GOLD)
    if name == "patissier_cap":
        return (path("M30,44 C24,22 44,14 60,18 C76,14 96,22 90,44 Z", WHITE) +
                circle(76, 30, 5, "#e2483d", 1.4) + path("M74,25 L78,23", "none", 1.6, "#4a9a3a"))
    if name == "crown":
        return (path("M32,40 L30,12 L44,26 L52,6 L60,24 L68,6 L76,26 L90,12 L88,40 Z", GOLD) +
                circle(60, 32, 3.5, "#d0302a", 1.2) + circle(44, 34, 2.5, "#3a7ad0", 1.2) +
                circle(76, 34, 2.5, "#3aa050", 1.2))
    if name == "tiara":
        return path("M36,40 Q60,28 84,40 L76,34 L68,36 L60,22 L52,36 L44,34 Z", GOLD) + \
            circle(60, 32, 3, "#c03aa0", 1)
    if name == "antenna":
        return (path("M40,36 L30,10 M80,36 L90,10", "none", 2) + circle(30, 10, 5, "#5ac0e0") +
                circle(90, 10, 5, "#5ac0e0") + path("M28,44 C40,34 80,34 92,44", "none", 4, "#8a9aaa"))
    if name == "cherries":
        return (path("M28,44 C30,36 36,32 40,30", "none", 1.6, "#4a9a3a") +
                circle(26, 48, 5, "#d0283a", 1.4) + circle(36, 46, 5, "#d0283a", 1.4) +
                path("M92,44 C90,36 84,32 80,30", "none", 1.6, "#4a9a3a") +
                circle(94, 48, 5, "#d0283a", 1.4) + circle(84, 46, 5, "#d0283a", 1.4))
    if name == "rose":
        return circle(30, 122, 7, "#d0283a", 1.6) + path("M26,120 Q30,116 34,121 M28,124 Q31,127 33,123",
                                                       "none", 1.2, "#8a1a2a")
    if name == "scarf":
        return path("M30,104 C44,112 76,112 90,104 L94,116 C76,124 44,124 26,116 Z", p["c2"]) + \
            path("M70,114 L74,136 L84,134 L80,112 Z", p["c2"]) + \
            path("M36,112 L40,118 M50,114 L52,120 M62,114 L62,120", "none", 1.2, WHITE)
    return ""


# ---------------------------------------------------------------- clothes


def clothes(p):
    c1, c2 = p["c1"], p["c2"]
    w = p["wear"]
    body = "M6,140 C8,116 28,106 60,106 C92,106 112,116 114,140 Z"
    out = ""
    if w == "cape":
        out += path("M0,140 C0,100 14,90 30,90 L90,90 C106,90 120,100 120,140 Z", _shade(c1, 0.7))
        out += path("M22,96 L30,60 L44,100 Z M98,96 L90,60 L76,100 Z", c1)
    if w == "robe":
        out += path(body, c1)
        out += path("M16,124 C24,108 44,104 60,110 C76,104 96,108 104,124 C90,120 74,124 60,126 "
                    "C46,124 30,120 16,124 Z", WHITE)
        out += "".join(path(f"M{x},{y} l0,4", "none", 2.2) for x, y in
                       [(28, 114), (44, 112), (76, 112), (92, 114), (60, 118)])
        return out
    if w == "apron":
        out += path(body, c1)
        out += path("M38,140 L40,118 C50,114 70,114 80,118 L82,140 Z", c2)
        out += path("M42,118 L34,106 M78,118 L86,106", "none", 3, c2)
        out += path("M50,106 L60,116 L70,106", "none", 1.6)
        return out
    if w == "chef":
        out += path(body, c1)
        out += path("M50,106 L60,118 L70,106 L66,104 L60,110 L54,104 Z", c2)
        out += "".join(circle(x, y, 2, "#d8d0c4", 1) for x, y in
                       [(50, 124), (70, 124), (50, 134), (70, 134)])
        return out
    if w == "tunic":
        out += path(body, c1) + path("M48,108 Q60,118 72,108", "none", 2) + \
            path("M30,132 L90,132", "none", 3, c2)
        return out
    if w == "vest":
        out += path(body, c1)
        out += path("M14,130 C18,114 34,108 48,108 L58,140 L10,140 Z", c2)
        out += path("M106,130 C102,114 86,108 72,108 L62,140 L110,140 Z", c2)
        out += circle(52, 126, 1.8, GOLD, 1) + circle(68, 126, 1.8, GOLD, 1)
        return out
    if w == "overalls":
        out += path(body, c1)
        out += "".join(path(f"M{x},110 L{x},140", "none", 1, "#f4e4c4") for x in (24, 40, 80, 96))
        out += path("M34,140 L36,122 L84,122 L86,140 Z", c2)
        out += path("M38,122 L36,108 M82,122 L84,108", "none", 4, c2)
        out += circle(40, 124, 2.2, GOLD, 1) + circle(80, 124, 2.2, GOLD, 1)
        return out
    if w == "dress":
        out += path(body, c1)
        out += path("M40,108 C44,118 56,118 60,112 C64,118 76,118 80,108 Z", c2, 1.6)
        return out
    if w in ("suit", "jacket"):
        out += path(body, c1)
        out += path("M48,106 L60,138 L72,106 Z", c2, 1.6)
        out += path("M48,106 L42,122 L56,128 M72,106 L78,122 L64,128", "none", 1.8)
        return out
    if w == "kimono":
        out += path(body, c1)
        out += path("M46,106 L64,140 L72,140 L54,106 Z", c2, 1.6)
        out += path("M74,106 L58,130 L52,124 L66,106 Z", c2, 1.6)
        return out
    if w == "mandarin":
        out += path(body, c1)
        out += rect(46, 104, 28, 8, c1, 3)
        out += "".join(path(f"M56,{y} L64,{y}", "none", 2.4, c2) for y in (120, 128, 136))
        return out
    if w == "fur":
        out += path(body, c1)
        out += path("M12,132 C14,116 30,108 44,108 C40,120 40,130 44,140 L10,140 Z", c2)
        out += path("M108,132 C106,116 90,108 76,108 C80,120 80,130 76,140 L110,140 Z", c2)
        return out
    if w == "cape":
        out += path(body, c1)
        out += path("M30,112 L90,136 L86,140 L26,118 Z", c2, 1.6)
        return out
    if w == "space":
        out += path(body, c1)
        out += path("M44,106 L60,116 L76,106 L76,112 L60,122 L44,112 Z", c2, 1.6)
        out += circle(60, 130, 5, c2, 1.6)
        return out
    if w == "gown":
        out += path(body, c1)
        out += path("M30,116 C44,124 76,124 90,116", "none", 2.4, c2)
        return out
    if w == "coat":
        out += path(body, c1)
        out += path("M60,118 L60,140", "none", 1.6) + circle(54, 130, 2, c2, 1) + \
            circle(66, 130, 2, c2, 1)
        return out
    return path(body, c1)


# ---------------------------------------------------------------- assembled


def head(p, expr, blink=0, back=True):
    """Hair, face and headwear in the 120 x 140 frame; no body. Long hair hangs behind the
    shoulders, so a bust draws the back hair itself before the clothes (back=False)."""
    out = (hair_back(p) if back else "") + face_shape(p) + face(p, expr, blink)
    beards = [e for e in p["extras"] if e.startswith(("beard", "moustache"))]
    for e in beards:
        out += extra_front(p, e, expr)
    y = 88 if not any(e.startswith("beard_full") or e == "beard_white" for e in beards) else 90
    out += mouth(expr, y)
    out += hair_front(p)
    for e in p["extras"]:
        if e in beards or e in ("pearls", "bowtie", "microphone", "rose", "scarf"):
            continue
        out += extra_front(p, e, expr)
    return out


def portrait(name, expr):
    p = PEOPLE[name]
    bg = p["bg"]
    out = rect(0, 0, 120, 140, bg, 0, 0)
    out += ellipse(60, 60, 58, 58, "url(#glow)", 0)
    out += "".join(circle(x, y, 3, _shade(bg, 0.93), 0) for x, y in
                   [(10, 12), (108, 20), (14, 104), (104, 96), (20, 60), (100, 58)])
    out += hair_back(p)
    out += clothes(p)
    out += rect(53, 94, 14, 16, p.get("skin", SKIN), 4, 0)
    out += path("M53,100 Q60,106 67,100", "none", 1.4, SKIN_SHADE)
    for e in ("pearls", "bowtie", "rose", "scarf"):
        if e in p["extras"]:
            out += extra_front(p, e, expr)
    out += head(p, expr, back=False)
    if "microphone" in p["extras"]:
        out += extra_front(p, "microphone", expr)
    out += expression_marks(expr)
    # the speaker's name is written light over the portrait's lower part, right-aligned: a dark
    # band as wide as the portrait keeps the longest name readable whatever the clothes
    out += rect(3, 106, 115, 21, "#2e2014", 6, 0, INK, 'fill-opacity="0.72"')
    out += rect(1, 1, 118, 138, "none", 3, LINE)
    return out
