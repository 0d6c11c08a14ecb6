"""The R7 key layout 0: key caps, positions, legends, key matrix, key codes.

Geometry
--------
One key unit is 30 px; a key cap is its slot less a 2 px gap, so a 1u cap is
28 x 28.  The keyboard picture is 688 x 190 px (it must fit the 693 x 192
area of the scene):

* main block 15u = 450 px, nav cluster from x 465 (0.5u gap), numpad from
  x 570 (0.5u gap) to 690;
* rows at y 0 (function row), 42 (a 12 px gap), 72, 102, 132, 162.

Widths that are not whole units are rounded to whole pixels so that every
row of the main block is exactly 450 px: 1.25u = 38, 1.5u = 45, 1.75u = 52,
2.25u = 68, 2.75u = 82, the 6.25u space bar = 184 (slot widths).

Key types (the k<type>-0.png / k<type>-1.png images of a skin):

    type  cap (w x h)  keys
    1     28 x 28      1u keys
    2     36 x 28      1.25u: CTRL, WIN, ALT, FN, APP
    3     43 x 28      1.5u: TAB, backslash
    4     50 x 28      1.75u: CAPS
    5     58 x 28      2u: backspace, keypad 0
    6     66 x 28      2.25u: ENTER, left SHIFT
    7     80 x 28      2.75u: right SHIFT
    8     182 x 28     space bar
    9     28 x 58      2u high: keypad +, keypad ENTER

Key matrix
----------
128 positions, read as 8 rows of 16: position = 16 * row + column.  Rows
0 to 5 are the six rows of the main block, columns counted from the left
(row 3 column 12 and row 4 columns 11, 12 are left free, where an ISO board
has its extra keys).  The navigation keys, the arrows and the numpad sit in
columns 13 to 15 and in rows 6 and 7.  Two lists of the lighting preview
("SPOTLIGHT") are fixed and this matrix makes them two clockwise spirals
that meet in the 2 x 2 block O, P / L, ; (positions 41, 42 / 57, 58):

    script_0B1: ESC F1 .. F9, - [ ' /, . L O
    script_0B2: SCRLK HOME END UP DOWN LEFT R-CTRL APP FN R-ALT, , K I 9 0 P ;

Position 89 is the Fn key (the scene keeps it from being reassigned).
"""

U = 30            # px per key unit
GAP = 2           # px between caps
CAP_H = 28
ROW_Y = [0, 42, 72, 102, 132, 162]

# type -> (slot width, cap width, cap height)
KEY_TYPES = {
    1: (30, 28, 28),
    2: (38, 36, 28),
    3: (45, 43, 28),
    4: (52, 50, 28),
    5: (60, 58, 28),
    6: (68, 66, 28),
    7: (82, 80, 28),
    8: (184, 182, 28),
    9: (30, 28, 58),
}
TYPE_UNITS = {1: "1u", 2: "1.25u", 3: "1.5u", 4: "1.75u", 5: "2u", 6: "2.25u",
              7: "2.75u", 8: "6.25u space bar", 9: "2u high"}

FN_MATRIX = 89

# ---------------------------------------------------------------------------
# Key names and USB usage codes (HID Keyboard/Keypad page 0x07, and the
# mouse buttons 0xF0..0xF4 that macros use).  Every code that the input
# capture can deliver has a name, so that recorded macros keep every key.
# ---------------------------------------------------------------------------


def _usb_names():
    t = []
    for i, c in enumerate("ABCDEFGHIJKLMNOPQRSTUVWXYZ"):
        t.append((c, 0x04 + i))
    for i, c in enumerate("1234567890"):
        t.append((c, 0x1E + i))
    t += [("ENTER", 0x28), ("ESC", 0x29), ("BACKSPACE", 0x2A), ("TAB", 0x2B),
          ("SPACE", 0x2C), ("-", 0x2D), ("=", 0x2E), ("[", 0x2F), ("]", 0x30),
          ("\\", 0x31), ("ISO #", 0x32), (";", 0x33), ("'", 0x34), ("`", 0x35),
          (",", 0x36), (".", 0x37), ("/", 0x38), ("CAPS", 0x39)]
    for i in range(12):
        t.append(("F%d" % (i + 1), 0x3A + i))
    t += [("PRTSC", 0x46), ("SCRLK", 0x47), ("PAUSE", 0x48), ("INSERT", 0x49),
          ("HOME", 0x4A), ("PGUP", 0x4B), ("DELETE", 0x4C), ("END", 0x4D),
          ("PGDN", 0x4E), ("RIGHT", 0x4F), ("LEFT", 0x50), ("DOWN", 0x51),
          ("UP", 0x52), ("NUMLOCK", 0x53), ("NUM /", 0x54), ("NUM *", 0x55),
          ("NUM -", 0x56), ("NUM +", 0x57), ("NUM ENTER", 0x58)]
    for i in range(9):
        t.append(("NUM %d" % (i + 1), 0x59 + i))
    t += [("NUM 0", 0x62), ("NUM .", 0x63), ("ISO \\", 0x64), ("APP", 0x65),
          ("POWER", 0x66), ("NUM =", 0x67)]
    for i in range(12):
        t.append(("F%d" % (13 + i), 0x68 + i))
    t += [("NUM ,", 0x85), ("INTL1", 0x87), ("INTL5", 0x8B),
          ("L-CTRL", 0xE0), ("L-SHIFT", 0xE1), ("L-ALT", 0xE2), ("L-WIN", 0xE3),
          ("R-CTRL", 0xE4), ("R-SHIFT", 0xE5), ("R-ALT", 0xE6), ("R-WIN", 0xE7),
          ("MS-L", 0xF0), ("MS-R", 0xF1), ("MS-M", 0xF2), ("MS-B4", 0xF3),
          ("MS-B5", 0xF4)]
    return t


USB_NAMES = _usb_names()
CODE_BY_NAME = {n: c for n, c in USB_NAMES}

# ---------------------------------------------------------------------------
# The keys, row by row, left to right (this is also the definition order,
# which the lighting preview uses as the keys' ids).
#   (legend, usb name or None for Fn, x, type, matrix)
# ---------------------------------------------------------------------------


def _row(y_index, items):
    return [(legend, name, x, ktype, matrix, y_index)
            for legend, name, x, ktype, matrix in items]


def _run(x0, ktype, entries):
    """Consecutive keys of one type starting at x0: entries are
    (legend, name, matrix)."""
    out = []
    x = x0
    for legend, name, matrix in entries:
        out.append((legend, name, x, ktype, matrix))
        x += KEY_TYPES[ktype][0]
    return out


def _keys():
    keys = []
    # row 0: ESC, F1..F12 (gaps of 1u and 0.5u), PRTSC SCRLK PAUSE
    r = [("ESC", "ESC", 0, 1, 0)]
    for g, x0 in enumerate((60, 195, 330)):
        r += _run(x0, 1, [("F%d" % (4 * g + i + 1), "F%d" % (4 * g + i + 1),
                           4 * g + i + 1) for i in range(4)])
    r += _run(465, 1, [("PRT", "PRTSC", 114), ("SCR", "SCRLK", 115),
                       ("PAU", "PAUSE", 116)])
    keys += _row(0, r)

    # row 1: ` 1..0 - = BACKSPACE | INS HOME PGUP | NUMLOCK / * -
    r = _run(0, 1, [("`", "`", 16)] +
             [(c, c, 17 + i) for i, c in enumerate("1234567890")] +
             [("-", "-", 27), ("=", "=", 28)])
    r += _run(390, 5, [("BKSP", "BACKSPACE", 29)])
    r += _run(465, 1, [("INS", "INSERT", 108), ("HOME", "HOME", 109),
                       ("PG\u2191", "PGUP", 110)])
    r += _run(570, 1, [("NUM", "NUMLOCK", 102), ("/", "NUM /", 103),
                       ("*", "NUM *", 104), ("-", "NUM -", 105)])
    keys += _row(1, r)

    # row 2: TAB Q..P [ ] \ | DEL END PGDN | 7 8 9 +(2u high)
    r = _run(0, 3, [("TAB", "TAB", 32)])
    r += _run(45, 1, [(c, c, 33 + i) for i, c in enumerate("QWERTYUIOP")] +
              [("[", "[", 43), ("]", "]", 44)])
    r += _run(405, 3, [("\\", "\\", 45)])
    r += _run(465, 1, [("DEL", "DELETE", 99), ("END", "END", 100),
                       ("PG\u2193", "PGDN", 101)])
    r += _run(570, 1, [("7", "NUM 7", 117), ("8", "NUM 8", 118),
                       ("9", "NUM 9", 119)])
    r += _run(660, 9, [("+", "NUM +", 106)])
    keys += _row(2, r)

    # row 3: CAPS A..L ; ' ENTER | 4 5 6
    r = _run(0, 4, [("CAPS", "CAPS", 48)])
    r += _run(52, 1, [(c, c, 49 + i) for i, c in enumerate("ASDFGHJKL")] +
              [(";", ";", 58), ("'", "'", 59)])
    r += _run(382, 6, [("ENTER", "ENTER", 61)])
    r += _run(570, 1, [("4", "NUM 4", 120), ("5", "NUM 5", 121),
                       ("6", "NUM 6", 122)])
    keys += _row(3, r)

    # row 4: SHIFT Z../ SHIFT | UP | 1 2 3 ENTER(2u high)
    r = _run(0, 6, [("SHIFT", "L-SHIFT", 64)])
    r += _run(68, 1, [(c, c, 65 + i) for i, c in enumerate("ZXCVBNM,./")])
    r += _run(368, 7, [("SHIFT", "R-SHIFT", 77)])
    r += _run(495, 1, [("\u2191", "UP", 79)])
    r += _run(570, 1, [("1", "NUM 1", 123), ("2", "NUM 2", 124),
                       ("3", "NUM 3", 125)])
    r += _run(660, 9, [("ENT", "NUM ENTER", 107)])
    keys += _row(4, r)

    # row 5: CTRL WIN ALT SPACE ALT FN APP CTRL | LEFT DOWN RIGHT | 0 .
    r = _run(0, 2, [("CTRL", "L-CTRL", 80), ("WIN", "L-WIN", 81),
                    ("ALT", "L-ALT", 82)])
    r += _run(114, 8, [("SPACE", "SPACE", 86)])
    r += _run(298, 2, [("ALT", "R-ALT", 88), ("FN", None, FN_MATRIX),
                       ("APP", "APP", 90), ("CTRL", "R-CTRL", 91)])
    r += _run(465, 1, [("\u2190", "LEFT", 94), ("\u2193", "DOWN", 95),
                       ("\u2192", "RIGHT", 93)])
    r += _run(570, 5, [("0", "NUM 0", 126)])
    r += _run(630, 1, [(".", "NUM .", 127)])
    keys += _row(5, r)
    return keys


class Key:
    __slots__ = ("legend", "name", "x", "y", "ktype", "matrix", "code", "w", "h",
                 "row")

    def __init__(self, legend, name, x, ktype, matrix, row):
        self.legend = legend
        self.name = name
        self.x = x
        self.y = ROW_Y[row]
        self.ktype = ktype
        self.matrix = matrix
        self.code = 0 if name is None else CODE_BY_NAME[name]
        self.w = KEY_TYPES[ktype][1]
        self.h = KEY_TYPES[ktype][2]
        self.row = row

    @property
    def cx(self):
        return self.x + self.w / 2.0

    @property
    def cy(self):
        return self.y + self.h / 2.0

    def __repr__(self):
        return "Key(%s m%d @%d,%d)" % (self.name or "FN", self.matrix, self.x,
                                       self.y)


KEYS = [Key(*k) for k in _keys()]
KEY_BY_MATRIX = {k.matrix: k for k in KEYS}

TOTAL_FW = 128
PICTURE_W = max(k.x + k.w for k in KEYS)
PICTURE_H = max(k.y + k.h for k in KEYS)

# The two spiral lists of the SPOTLIGHT effect (fixed by the scene).
SPIRAL_1 = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27, 43, 59, 74, 73, 57, 41]
SPIRAL_2 = [115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 72, 56, 40, 25, 26, 42, 58]
CENTRE_BLOCK = (41, 42, 57, 58)


def default_code(matrix):
    k = KEY_BY_MATRIX.get(matrix)
    return k.code if k else 0
