#!/usr/bin/env python3
"""Writes the SVG source of every picture listed in pictures.txt.

    draw.py <pictures.txt> <svg folder>

Each picture's SVG is named after its output file with '/' turned into '_' and '.svg' added
(dat/bg.bmp -> dat_bg.bmp.svg); the build renders and converts them one by one."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import people  # noqa: E402
import scenes  # noqa: E402
import sprites  # noqa: E402
import ui  # noqa: E402
from svgkit import svg  # noqa: E402

# Fixed pictures: name -> (width, height, drawing)
FIXED = {
    "dat/bg.bmp": (640, 480, scenes.room),
    "dat/bkshop.bmp": (322, 250, scenes.shop_back),
    "dat/frshop.bmp": (322, 250, scenes.shop_front),
    "dat/shop_frame.bmp": (342, 270, ui.shop_frame),
    "dat/vemu.bmp": (sprites.IDLE_W, sprites.HEIGHT, lambda: sprites.idle(0)),
    "dat/vemu_e1.bmp": (sprites.IDLE_W, sprites.HEIGHT, lambda: sprites.idle(1)),
    "dat/vemu_e2.bmp": (sprites.IDLE_W, sprites.HEIGHT, lambda: sprites.idle(2)),
    "dat/vemu_h1.bmp": (sprites.IDLE_W, sprites.HEIGHT, lambda: sprites.hand_work(0)),
    "dat/vemu_h2.bmp": (sprites.IDLE_W, sprites.HEIGHT, lambda: sprites.hand_work(1)),
    "dat/vemu_r1.bmp": (sprites.WORK_W, sprites.HEIGHT, lambda: sprites.roasting(0)),
    "dat/vemu_r2.bmp": (sprites.WORK_W, sprites.HEIGHT, lambda: sprites.roasting(1)),
    "dat/vemu_b1.bmp": (sprites.WORK_W, sprites.HEIGHT, lambda: sprites.boiling(0)),
    "dat/vemu_b2.bmp": (sprites.WORK_W, sprites.HEIGHT, lambda: sprites.boiling(1)),
    "dat/vemu_f1.bmp": (sprites.WORK_W, sprites.HEIGHT, lambda: sprites.frying(0)),
    "dat/vemu_f2.bmp": (sprites.WORK_W, sprites.HEIGHT, lambda: sprites.frying(1)),
    "dat/life.bmp": (28, 28, ui.life),
    "dat/gage.bmp": (262, 12, ui.gauge),
    "dat/nameboard.bmp": (236, 36, ui.nameboard),
    "dat/paper.bmp": (ui.PAPER_W, 180, ui.paper),
    "dat/ribbon.bmp": (340, 40, ui.ribbon),
    "dat/sun.bmp": (36, 40, ui.sun),
    "dat/moon.bmp": (36, 40, ui.moon),
    "dat/MsgWindow.dds": (476, 152, ui.message_window),
    "dat/character_frame.bmp": (124, 154, ui.character_frame),
    "dat/itemboard.bmp": (256, 36, lambda: ui.item_board(256, 36, False)),
    "dat/itemboard_on.bmp": (256, 36, lambda: ui.item_board(256, 36, True)),
    "dat/itemboard2.bmp": (128, 36, lambda: ui.item_board(128, 36, False)),
    "dat/itemboard2_on.bmp": (128, 36, lambda: ui.item_board(128, 36, True)),
    "dat/itemboard3.bmp": (180, 24, lambda: ui.item_board(180, 24, False)),
    "dat/itemboard3_on.bmp": (180, 24, lambda: ui.item_board(180, 24, True)),
    "dat/curu.bmp": (28, 16, lambda: ui.page_arrow(True)),
    "dat/curl.bmp": (28, 16, lambda: ui.page_arrow(False)),
    "dat/cursor02.bmp": (32, 32, lambda: ui.cursor(False)),
    "dat/cursor01.bmp": (32, 32, lambda: ui.cursor(True)),
    "dat/magic.bmp": (32, 32, ui.magic),
    "dat/title_image.bmp": (640, 480, scenes.title_image),
    "dat/title_logo.bmp": (600, 200, scenes.title_logo),
    "res/bitmap/526.dib": (232, 44, scenes.studio_logo),
    "res/dds/840.dds": (640, 160, scenes.banner),
}
for frame in range(4):
    FIXED[f"res/bitmap/{527 + frame}.dib"] = (64, 64, lambda f=frame: scenes.chick(f))
for kind in ("get", "name", "consume", "kind"):
    for state in ("on", "off"):
        FIXED[f"dat/button_{kind}_{state}.bmp"] = (52, 25,
                                                   lambda k=kind, s=state: ui.sort_button(k, s == "on"))
for n in range(10):
    FIXED[f"res/dds/{134 + n}.dds"] = (32, 32, lambda n=n: ui.digit(n))
for rid, name in ((132, "year"), (145, "month"), (146, "day"), (144, "colon"), (133, "money")):
    FIXED[f"res/dds/{rid}.dds"] = (32, 32, lambda name=name: ui.mark(name))


def picture(name):
    if name in FIXED:
        w, h, draw = FIXED[name]
        return svg(w, h, draw())
    stem = os.path.splitext(os.path.basename(name))[0]
    if stem.startswith("c_"):
        who, _, expr = stem[2:].partition("_")
        return svg(120, 140, people.portrait(who, expr or "normal"))
    raise SystemExit(f"no drawing for {name}")


def main():
    manifest, outdir = sys.argv[1], sys.argv[2]
    os.makedirs(outdir, exist_ok=True)
    with open(manifest, encoding="utf-8") as f:
        names = [line.split()[0] for line in f if line.strip() and not line.startswith("#")]
    for name in names:
        target = os.path.join(outdir, name.replace("/", "_") + ".svg")
        with open(target, "w", encoding="utf-8") as f:
            f.write(picture(name))


if __name__ == "__main__":
    main()
