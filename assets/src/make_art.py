#!/usr/bin/python3
"""Renders every picture of assets/ from the SVG sources in this folder.

Needs rsvg-convert (librsvg2-bin), Pillow (python3-pil) and optipng; the
DejaVu Sans font (fonts-dejavu-core) for the letters in photo.svg.  Run it
from anywhere:  python3 assets/src/make_art.py
The build itself never runs this: the PNGs it writes are committed.
"""
import os
import subprocess
import sys

sys.dont_write_bytecode = True

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.dirname(HERE)
sys.path.insert(0, HERE)

import hand  # noqa: E402

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def render(svg, png, size=None):
    cmd = ["rsvg-convert"]
    if size:
        cmd += ["-w", str(size), "-h", str(size)]
    subprocess.run(cmd + [svg, "-o", png], check=True)


def finish(png, opaque=False, colours=None):
    """Re-save without any metadata, optionally flattened or reduced to a
    palette, then squeeze with optipng."""
    im = Image.open(png)
    im.load()
    im = im.convert("RGBA")
    if opaque:
        im = im.convert("RGB")
    if colours:
        im = im.quantize(colours, method=Image.Quantize.FASTOCTREE
                         if not opaque else Image.Quantize.MEDIANCUT,
                         dither=Image.Dither.NONE)
    im.save(png, optimize=True)
    subprocess.run(["optipng", "-quiet", "-o7", "-strip", "all", png], check=True)


def out(*parts):
    path = os.path.join(ASSETS, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def main():
    # hands: the left one drawn, the right one its mirror image
    hand_svg = os.path.join(HERE, "hand-left.svg")
    with open(hand_svg, "w", encoding="utf-8") as f:
        f.write(hand.svg())
    left = out("left-hand.png")
    right = out("right-hand.png")
    render(hand_svg, left)
    Image.open(left).transpose(Image.Transpose.FLIP_LEFT_RIGHT).save(right)
    for png in (left, right):
        finish(png)

    for name in ("photo", "posture"):
        png = out(name + ".png")
        render(os.path.join(HERE, name + ".svg"), png)
        finish(png, opaque=True, colours=256)

    for n in ICON_SIZES:
        png = out("icons", "hicolor", f"{n}x{n}", "apps", "kelmora.png")
        src = os.path.join(HERE, "kelmora-16.svg") if n == 16 else out("kelmora.svg")
        render(src, png, n)
        finish(png)

    total = 0
    for root, _, files in os.walk(ASSETS):
        for fn in sorted(files):
            if fn.endswith(".png"):
                p = os.path.join(root, fn)
                total += os.path.getsize(p)
                print(f"{os.path.getsize(p):7d}  {os.path.relpath(p, ASSETS)}")
    print(f"{total:7d}  all PNGs")


if __name__ == "__main__":
    main()
