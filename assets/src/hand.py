"""Writes the SVG of the left hand seen from above, palm down, resting on
the home row.  Picture 228 x 178 px, transparent background.

Geometry (picture pixels): the fingertips of the little, ring, middle and
index fingers sit at x 45, 93, 141 and 189 at the top edge; the thumb
reaches down and to the right, onto the space bar.  The right hand is this
picture mirrored (make_art.py does that after rendering).  The outline is
one closed path, walked clockwise from the wrist.
"""
import math

from palette import SKIN, SKIN_LINE, NAIL, NAIL_LINE, CREASE

W, H = 228, 178

# (tip centre x, tip top y, base centre x, base centre y, width at the tip)
FINGERS = [
    (45, 7, 51, 100, 26),    # little
    (93, 1, 96, 96, 29),     # ring
    (141, 0, 140, 96, 30),   # middle
    (189, 2, 183, 100, 29),  # index
]
WEBS = [76, 70, 72]          # depth of the skin between neighbouring fingers
TAPER = 1.1                  # a finger is this much wider at its base
THUMB_TIP, THUMB_BASE, THUMB_R = (213, 107), (163, 151), 13.5


def f1(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


def pt(p):
    return f"{f1(p[0])},{f1(p[1])}"


class Finger:
    def __init__(self, tx, ttop, bx, by, w):
        self.r = w / 2
        self.c = (tx, ttop + self.r)          # centre of the round tip
        self.b = (bx, by)
        dx, dy = bx - tx, by - self.c[1]
        ln = math.hypot(dx, dy)
        self.u = (dx / ln, dy / ln)           # along the finger, to the base

    def edge(self, side, y):
        """Point on the left (side -1) or right (+1) edge at height y."""
        t = (y - self.c[1]) / (self.b[1] - self.c[1])
        r = self.r * (1 + (TAPER - 1) * t)
        x = self.c[0] + (self.b[0] - self.c[0]) * t
        # offset sideways by r / cos(tilt): exact enough for these small tilts
        return (x + side * r / self.u[1], y)

    def along(self, t):
        return (self.c[0] + (self.b[0] - self.c[0]) * t,
                self.c[1] + (self.b[1] - self.c[1]) * t)


def outline():
    fs = [Finger(*f) for f in FINGERS]
    d = []
    # wrist, bottom left, up the outer side of the palm to the little finger
    p = fs[0].edge(-1, 92)
    d.append(f"M56,182 C38,156 {f1(p[0] - 2)},{f1(p[1] + 30)} {pt(p)}")
    for i, f in enumerate(fs):
        left = f.edge(-1, f.c[1])
        right = f.edge(+1, f.c[1])
        d.append(f"L{pt(left)}")
        d.append(f"A{f1(f.r)},{f1(f.r)} 0 0 1 {pt(right)}")
        if i < 3:
            yw = WEBS[i]
            g = fs[i + 1]
            a = f.edge(+1, yw - 6)
            b = g.edge(-1, yw - 6)
            rr = (b[0] - a[0]) / 2
            d.append(f"L{pt(a)}")
            d.append(f"A{f1(rr)},{f1(6)} 0 0 0 {pt(b)}")
    # index finger's right side, down into the notch in front of the thumb
    ix = fs[3]
    a = ix.edge(+1, 84)
    d.append(f"L{pt(a)}")
    tx, ty = THUMB_TIP
    bx, by = THUMB_BASE
    ln = math.hypot(tx - bx, ty - by)
    ux, uy = (tx - bx) / ln, (ty - by) / ln      # base to tip
    nx, ny = uy, -ux                             # upper-left side of the thumb
    if nx > 0:
        nx, ny = -nx, -ny
    r = THUMB_R
    up_tip = (tx + nx * r, ty + ny * r)
    lo_tip = (tx - nx * r, ty - ny * r)
    notch = (up_tip[0] - ux * 14, up_tip[1] - uy * 14)
    d.append(f"Q{f1(a[0] - 1)},{f1(notch[1] - 2)} {pt(notch)}")
    d.append(f"L{pt(up_tip)}")
    d.append(f"A{f1(r)},{f1(r)} 0 0 1 {pt(lo_tip)}")
    lo_base = (bx - nx * r * 1.2, by - ny * r * 1.2)
    d.append(f"L{pt(lo_base)}")
    d.append(f"C{f1(lo_base[0] - 8)},{f1(lo_base[1] + 9)} 156,170 150,182 Z")
    return " ".join(d), fs, notch


def details(fs, notch):
    lines = []
    for f in fs:
        for t, k in ((0.40, 0.5), (0.66, 0.55)):
            x, y = f.along(t)
            hw = f.r * k
            lines.append(f"M{f1(x - hw)},{f1(y)} q{f1(hw)},3 {f1(2 * hw)},0")
    # the bump of each knuckle on the back of the hand
    for f in fs[1:]:
        x, y = f.along(0.93)
        lines.append(f"M{f1(x - 6)},{f1(y + 2)} q6,-4 12,0")
    # where the thumb leaves the back of the hand
    lines.append(f"M{pt(notch)} C{f1(notch[0] - 10)},{f1(notch[1] + 14)} "
                 f"172,128 166,146")
    return " ".join(lines)


def nails(fs):
    out = []
    for f in fs:
        cx, cy = f.c
        ang = math.degrees(math.atan2(f.u[0], f.u[1]))
        w, h = f.r * 1.15, f.r * 1.2
        out.append(f'<rect x="{f1(cx - w / 2)}" y="{f1(cy - f.r + 3)}" '
                   f'width="{f1(w)}" height="{f1(h)}" rx="{f1(w / 2.1)}" '
                   f'transform="rotate({f1(-ang)} {f1(cx)} {f1(cy)})"/>')
    tx, ty = THUMB_TIP
    bx, by = THUMB_BASE
    ang = math.degrees(math.atan2(tx - bx, by - ty))
    out.append(f'<rect x="{f1(tx - 6.5)}" y="{f1(ty - 11)}" width="13" '
               f'height="15" rx="6" transform="rotate({f1(ang)} {tx} {ty})"/>')
    return "\n      ".join(out)


def svg():
    path, fs, notch = outline()
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" viewBox="0 0 {W} {H}">
  <!-- Left hand, palm down: fingers on A S D F, thumb on the space bar. -->
  <g opacity="0.88">
    <path d="{path}" fill="{SKIN}"/>
    <path d="{details(fs, notch)}" fill="none" stroke="{CREASE}"
          stroke-width="1.4" stroke-linecap="round"/>
    <g fill="{NAIL}" stroke="{NAIL_LINE}" stroke-width="1.2">
      {nails(fs)}
    </g>
  </g>
  <path d="{path}" fill="none" stroke="{SKIN_LINE}" stroke-width="2.2"
        stroke-linejoin="round"/>
</svg>
"""


if __name__ == "__main__":
    import sys
    with open(sys.argv[1] if len(sys.argv) > 1 else "hand-left.svg", "w",
              encoding="utf-8") as fh:
        fh.write(svg())
