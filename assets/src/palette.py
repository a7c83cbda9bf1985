"""The colours shared by every picture.  hand.py takes them from here; the
hand-written SVGs (photo, posture, icon) use the same values."""

# skin
SKIN = "#f8cfab"
SKIN_SHADE = "#eeb48c"
SKIN_LINE = "#8a4a2b"
NAIL = "#fde8dc"
NAIL_LINE = "#c98a6a"
CREASE = "#c07a56"
CHEEK = "#f59a9a"

# outlines and dark details
INK = "#3b3a4a"
HAIR = "#2e2a33"

# the bright colours, after the finger colours of the on-screen keyboard
ORANGE = "#ffb35c"
GREEN = "#7fd67f"
YELLOW = "#ffe35a"
CYAN = "#5fd4e8"
PINK = "#f595c8"
BLUE = "#4a86e8"
BLUE_DARK = "#2f5fb3"
BLUE_LIGHT = "#8db7f2"

# neutrals
CREAM = "#fff8ec"
WHITE = "#ffffff"
GREY = "#c0c0c0"
GREY_DARK = "#8a8d99"
WALL = "#dcefff"
FLOOR = "#e9d2b0"
WOOD = "#c98f55"
WOOD_DARK = "#9c6a3a"
