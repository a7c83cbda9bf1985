"""Draws a mock of the on-screen keyboard panel (729 x 281, light grey, the
finger-coloured 41 px caps) with the two hand pictures at their rest places
(left at 64,120, right at 372,120), to check where the fingertips land.

    python3 preview.py OUT.png [SCALE]
"""
import os
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.dirname(HERE)

OR, GR, YE, CY = "#ffc080", "#80ff80", "#ffff00", "#00ffff"
LC, PC, PK, BL, TE = "#80ffff", "#c0ffff", "#ff80ff", "#8080ff", "#008080"

# (row, left, width, colour, legend)
ROWS = [
    [(0, 41, OR, "`"), (48, 41, OR, "1"), (96, 41, GR, "2"), (144, 41, YE, "3"),
     (192, 41, CY, "4"), (240, 41, LC, "5"), (296, 41, PC, "6"), (344, 41, PC, "7"),
     (392, 41, YE, "8"), (440, 41, GR, "9"), (488, 41, OR, "0"), (536, 41, OR, "-"),
     (584, 41, OR, "="), (632, 89, OR, "Bksp")],
    [(0, 61, TE, "Tab"), (72, 41, OR, "Q"), (124, 41, GR, "W"), (172, 41, YE, "E"),
     (220, 41, CY, "R"), (268, 41, CY, "T"), (324, 41, PC, "Y"), (372, 41, PC, "U"),
     (420, 41, YE, "I"), (468, 41, GR, "O"), (516, 41, OR, "P"), (564, 41, OR, "["),
     (612, 41, OR, "]"), (660, 61, OR, "\\")],
    [(0, 77, TE, "Caps"), (84, 41, OR, "A"), (132, 41, GR, "S"), (180, 41, YE, "D"),
     (228, 41, CY, "F"), (276, 41, CY, "G"), (332, 41, PC, "H"), (380, 41, PC, "J"),
     (428, 41, YE, "K"), (476, 41, GR, "L"), (524, 41, OR, ";"), (572, 41, OR, "'"),
     (620, 105, BL, "Enter")],
    [(0, 101, BL, "Shift"), (108, 41, OR, "Z"), (156, 41, GR, "X"), (204, 41, YE, "C"),
     (252, 41, CY, "V"), (300, 41, CY, "B"), (356, 41, PC, "N"), (404, 41, PC, "M"),
     (452, 41, YE, ","), (500, 41, GR, "."), (548, 41, OR, "/"), (596, 129, BL, "Shift")],
    [(0, 69, TE, "Ctrl"), (76, 53, TE, ""), (136, 53, TE, "Alt"), (196, 277, PK, ""),
     (484, 49, TE, "Alt"), (540, 49, TE, ""), (596, 45, TE, ""), (648, 77, TE, "Ctrl")],
]


def panel():
    img = Image.new("RGBA", (729, 281), (192, 192, 192, 255))
    d = ImageDraw.Draw(img)
    for r, row in enumerate(ROWS):
        top = 48 * r
        for left, w, col, txt in row:
            d.rounded_rectangle([left + 4, top + 4, left + 4 + w - 1, top + 4 + 40],
                                6, fill="#804000")
            d.rounded_rectangle([left, top, left + w - 1, top + 40], 6, fill=col,
                                outline="black")
            if txt:
                d.text((left + 6, top + 4), txt, fill="black")
    d.line([256, 128, 264, 128], fill="red", width=2)
    d.line([384, 128, 392, 128], fill="red", width=2)
    return img


def main():
    out = sys.argv[1]
    scale = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    img = panel()
    left = Image.open(os.path.join(ASSETS, "left-hand.png")).convert("RGBA")
    right = Image.open(os.path.join(ASSETS, "right-hand.png")).convert("RGBA")
    img.alpha_composite(left, (64, 120))
    img.alpha_composite(right, (372, 120))
    if scale > 1:
        img = img.resize((729 * scale, 281 * scale), Image.NEAREST)
    img.convert("RGB").save(out)


if __name__ == "__main__":
    main()
