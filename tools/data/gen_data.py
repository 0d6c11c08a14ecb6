#!/usr/bin/env python3
"""Generates the data files that ship in modules/ (settings, profiles,
languages, default macros) and checks them.

    python3 tools/data/gen_data.py            # check, then write modules/
    python3 tools/data/gen_data.py --check    # checks, and that modules/ is up to date
    python3 tools/data/gen_data.py --map      # also print the key map

The output is reproducible: the same sources give byte-identical files.
"""

import argparse
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import layout as L          # noqa: E402
import qtini                # noqa: E402
import strings as S         # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
MODULES = os.path.join(ROOT, "modules")

WINDOW_TITLE = "R7 Keyboard Configuration"
WEB_ADDRESS = "https://www.r7-keyboard.example/"  # as the scene's logo opens
MAX_PROFILE = 5
MACRO_SLOTS = 17          # the keyboard's macro slots 0..16

# ---------------------------------------------------------------------------
# File contents: each builder returns [(group, [(key, value), ...]), ...]
# ---------------------------------------------------------------------------


def english_position():
    """Position of ENGLISH in the language list as the program sorts it
    (display names, sorted as text)."""
    names = {"031000": "ENGLISH", "025044": "CHINESE (Simp)",
             "025208": "CHINESE (Trad)"}
    shipped = sorted(names[c] for c, _, _ in S.LANGUAGES)
    return shipped.index("ENGLISH")


def apconfig():
    colours = [(0, 255, 255), (255, 200, 150), (255, 180, 0), (200, 200, 100),
               (200, 170, 255), (255, 180, 180), (160, 190, 160)]
    values = [1,        # 0 format version
              1,        # 1 skin 1
              0,        # 2 sound on
              0,        # 3 animations on
              english_position(),  # 4 language: ENGLISH
              False,    # 5 no custom background
              "",       # 6 custom background image
              0]        # 7 text size normal
    for c in colours:   # 8..28
        values += list(c)
    values += [0,       # 29 selected text colour
               7,       # 30 text brightness level
               WEB_ADDRESS]  # 31
    assert len(values) == 32
    items = [("name", WINDOW_TITLE), ("total", len(values))]
    items += [(str(i), v) for i, v in enumerate(values)]
    return [("common", items)]


def hwdef():
    keys = [(str(i + 1), [k.x, k.y, k.ktype, k.legend, k.matrix, k.code])
            for i, k in enumerate(L.KEYS)]
    return [("common", [("maxProfile", MAX_PROFILE)]),
            ("0", [("total_HW", len(L.KEYS)), ("total_FW", L.TOTAL_FW)] + keys)]


def keycodedef():
    return [("common", [("usbStr", [n for n, _ in L.USB_NAMES]),
                        ("usbCode", [c for _, c in L.USB_NAMES])])]


# Lighting defaults of a profile: the rainbow wave at full brightness, middle
# speed, colour "loop"; backlight mode 0 (static) at brightness 7, speed 4,
# colour loop, direction right.
LED_TYPE = [0x06, 63, 4, 0, 7, (0 & 0x1F) | (7 << 5), 4 | (7 << 3) | (0 << 6)]
PALETTE = [(255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (0, 255, 255),
           (255, 0, 255), (255, 255, 255)]

STATIC, BREATHING, NEON = 0x10, 0x20, 0x30


def _hsv(h):
    """Fully saturated colour of hue h in [0, 1)."""
    h = (h % 1.0) * 6.0
    i = int(h)
    f = h - i
    up, down = int(round(255 * f)), int(round(255 * (1 - f)))
    return [(255, up, 0), (down, 255, 0), (0, 255, up), (0, down, 255),
            (up, 0, 255), (255, 0, down)][i]


def user_pictures():
    """Five starting pictures (mode byte, R, G, B per matrix position)."""
    gaming = {"W", "A", "S", "D", "UP", "DOWN", "LEFT", "RIGHT", "ESC",
              "SPACE", "L-SHIFT", "L-CTRL"}

    def picture(fn):
        p = [0] * 512
        for k in L.KEYS:
            mode, rgb = fn(k)
            p[4 * k.matrix:4 * k.matrix + 4] = [mode] + list(rgb)
        return p

    x_max = float(L.PICTURE_W)
    y_max = float(L.PICTURE_H)
    return [
        # 1: gaming keys red, the rest white
        picture(lambda k: (STATIC, (255, 0, 0) if k.name in gaming
                           else (255, 255, 255))),
        # 2: a still rainbow from left to right
        picture(lambda k: (STATIC, _hsv(0.83 * k.cx / x_max))),
        # 3: all keys breathing in cyan
        picture(lambda k: (BREATHING, (0, 255, 255))),
        # 4: all keys cycling through the colours
        picture(lambda k: (NEON, (255, 255, 255))),
        # 5: from deep blue at the top to cyan at the bottom
        picture(lambda k: (STATIC, (0, int(80 + 175 * k.cy / y_max), 255))),
    ]


def profile():
    groups = [("color", [("ledType", LED_TYPE),
                         ("color", [v for c in PALETTE for v in c])])]
    kd = []
    for n in range(L.TOTAL_FW):
        code = L.default_code(n)
        kd.append((str(n), [code & 0xFF, (code >> 8) & 0xFF]))
    groups.append(("keydefine0", kd))
    groups.append(("sensor", [("reportRate_R8", 0)]))
    groups.append(("userPicture", [(str(i), p)
                                   for i, p in enumerate(user_pictures())]))
    return groups


def language(code, family, col):
    strs = [S.STRINGS[i][col] for i in range(1, S.N_STRINGS + 1)]
    font = [("family", family), ("total", S.N_STRINGS),
            ("cs", qtini.check_value(strs))]
    return [("font", font),
            ("strings", [(str(i + 1), s) for i, s in enumerate(strs)]),
            ("msg", [(str(i), m[col]) for i, m in enumerate(S.MESSAGES)])]


def macro(slot):
    return [("config", [("index", slot), ("total", 0), ("repeat", 1),
                        ("did", -1)])]


def all_files():
    """relative path under modules/ -> groups"""
    files = {}
    files["setting/apConfig.bin"] = apconfig()
    files["setting/apConfigD.bin"] = apconfig()
    files["setting/HWDef.bin"] = hwdef()
    files["setting/KeyCodeDef.bin"] = keycodedef()
    files["setting/pD.bin"] = profile()
    for k in range(1, MAX_PROFILE + 1):
        files["setting/p%d.bin" % k] = profile()
    for code, family, col in S.LANGUAGES:
        files["i18n/lang_%s.ini" % code] = language(code, family, col)
    for s in range(MACRO_SLOTS):
        files["macro/Macro. %03d.bin" % (s + 1)] = macro(s)
    return files


# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------

class CheckError(Exception):
    pass


def expect(cond, msg):
    if not cond:
        raise CheckError(msg)


def check_check_value():
    expect(qtini.check_value(["abc"]) == "771902100", "check value of 'abc'")
    expect(qtini.check_value([]) == "7418700", "check value of no strings")
    # a character outside the BMP counts two UTF-16 units
    expect(qtini.check_value(["\U0001F600"]) == qtini.check_value(["ab"]),
           "surrogate pairs count as two units")


def check_strings():
    expect(sorted(S.STRINGS) == list(range(1, S.N_STRINGS + 1)),
           "strings 1..%d present" % S.N_STRINGS)
    for n, texts in S.STRINGS.items():
        expect(len(texts) == 3 and all(t.strip() == t and t for t in texts),
               "string %d: three non-empty trimmed texts" % n)
    expect(len(S.MESSAGES) == 4 and all(len(m) == 3 for m in S.MESSAGES),
           "four messages in three languages")


def check_layout():
    keys = L.KEYS
    expect(len(keys) == 104, "104 keys (got %d)" % len(keys))
    matrices = [k.matrix for k in keys]
    expect(len(set(matrices)) == len(matrices), "matrix positions unique")
    expect(all(0 <= m < L.TOTAL_FW for m in matrices), "matrix in 0..127")
    expect(L.KEY_BY_MATRIX[L.FN_MATRIX].name is None, "position 89 is Fn")
    names = [n for n, _ in L.USB_NAMES]
    codes = [c for _, c in L.USB_NAMES]
    expect(len(set(names)) == len(names), "key names unique")
    expect(len(set(codes)) == len(codes), "usage codes unique")
    expect(all(0 < c < 256 for c in codes), "usage codes are bytes")
    key_codes = [k.code for k in keys if k.name]
    expect(len(set(key_codes)) == len(key_codes), "default codes unique")
    expect(all(k.code >> 8 == 0 for k in keys), "default codes are standard keys")
    # the picture
    expect(L.PICTURE_W <= 693 and L.PICTURE_H <= 192,
           "picture %dx%d fits 693x192" % (L.PICTURE_W, L.PICTURE_H))
    for i, a in enumerate(keys):
        expect(a.w == L.KEY_TYPES[a.ktype][1] and a.h == L.KEY_TYPES[a.ktype][2],
               "%r has its type's size" % a)
        for b in keys[i + 1:]:
            overlap = (a.x < b.x + b.w + L.GAP and b.x < a.x + a.w + L.GAP and
                       a.y < b.y + b.h + L.GAP and b.y < a.y + a.h + L.GAP)
            expect(not overlap, "%r and %r keep a %d px gap" % (a, b, L.GAP))
    for row in range(1, 6):
        main = [k for k in keys if k.row == row and k.x < 450]
        right = max(k.x + k.w for k in main) + L.GAP
        expect(right == 450, "main block row %d is 15 units (%d px)" % (row, right))
    # every key name a macro can carry resolves
    for k in keys:
        expect(k.name is None or k.name in L.CODE_BY_NAME, "%r named" % k)
    # the usage codes the input capture delivers all have names
    capture = set(range(0x04, 0x66)) | {0x66} | set(range(0x68, 0x74)) | \
        {0x85, 0x87, 0x8B} | set(range(0xE0, 0xE8))
    missing = sorted(capture - set(codes))
    expect(not missing, "captured codes without a name: %s" % missing)


def direction(a, b):
    dx, dy = b.cx - a.cx, b.cy - a.cy
    if abs(dx) >= abs(dy):
        return "R" if dx > 0 else "L"
    return "D" if dy > 0 else "U"


def adjacent(a, b, keys=None):
    """b is the next key from a in one of the four directions: they share a
    row (or a column span) and no other key lies between them."""
    keys = keys or L.KEYS
    d = direction(a, b)
    if d in "LR":
        lo, hi = (a, b) if d == "R" else (b, a)
        if not (a.y < b.y + b.h and b.y < a.y + a.h):
            return False
        gap = hi.x - (lo.x + lo.w)
        if gap < 0 or gap > 40:
            return False
        y0, y1 = max(a.y, b.y), min(a.y + a.h, b.y + b.h)
        return not any(c is not a and c is not b and
                       c.x >= lo.x + lo.w and c.x + c.w <= hi.x and
                       c.y < y1 and y0 < c.y + c.h for c in keys)
    lo, hi = (a, b) if d == "D" else (b, a)
    x0, x1 = max(a.x, b.x), min(a.x + a.w, b.x + b.w)
    if x1 - x0 < 1:
        return False
    gap = hi.y - (lo.y + lo.h)
    if gap < 0 or gap > 40:
        return False
    return not any(c is not a and c is not b and
                   c.y >= lo.y + lo.h and c.y + c.h <= hi.y and
                   c.x < x1 and x0 < c.x + c.w for c in keys)


CLOCKWISE = {"R": "D", "D": "L", "L": "U", "U": "R"}


def walk_spiral(seq, block=L.CENTRE_BLOCK):
    """Checks one spiral list; returns its direction string (e.g. RRRDDLUU)."""
    expect(all(m in L.KEY_BY_MATRIX for m in seq), "spiral %s: all keys exist" % seq)
    ks = [L.KEY_BY_MATRIX[m] for m in seq]
    dirs = ""
    for a, b in zip(ks, ks[1:]):
        expect(adjacent(a, b), "spiral step %r -> %r is not to a neighbour" % (a, b))
        dirs += direction(a, b)
    turns = [(p, q) for p, q in zip(dirs, dirs[1:]) if p != q]
    expect(len(turns) >= 3, "spiral %s turns at least three times" % dirs)
    expect(all(CLOCKWISE[p] == q for p, q in turns),
           "spiral %s turns clockwise only" % dirs)
    expect(seq[-1] in block and seq[-2] in block,
           "spiral ends in the centre block")
    # it winds in: the distance to the block centre at each turn shrinks
    cx = sum(L.KEY_BY_MATRIX[m].cx for m in block) / 4.0
    cy = sum(L.KEY_BY_MATRIX[m].cy for m in block) / 4.0
    corners = [ks[i + 1] for i, (p, q) in enumerate(zip(dirs, dirs[1:])) if p != q]
    dist = [math.hypot(k.cx - cx, k.cy - cy) for k in corners]
    expect(all(d2 < d1 for d1, d2 in zip(dist, dist[1:])),
           "spiral %s winds inward (%s)" % (dirs, ["%.0f" % d for d in dist]))
    return dirs


def check_spirals():
    b = [L.KEY_BY_MATRIX[m] for m in L.CENTRE_BLOCK]
    tl, tr, bl, br = b
    expect(tl.row == tr.row and bl.row == br.row == tl.row + 1 and
           tl.x < tr.x and bl.x < br.x, "41 42 / 57 58 form a 2 x 2 block")
    cx = sum(k.cx for k in b) / 4.0
    expect(abs(cx - L.PICTURE_W / 2.0) < 1.5 * L.U,
           "centre block near the middle (x %.0f of %d)" % (cx, L.PICTURE_W))
    d1 = walk_spiral(L.SPIRAL_1)
    d2 = walk_spiral(L.SPIRAL_2)
    return d1, d2


def preview_rows(keys=None):
    """The rows the lighting preview builds from the key centres."""
    keys = keys or L.KEYS
    order = sorted(range(len(keys)),
                   key=lambda i: ((keys[i].y + keys[i].h // 2) << 8) | i)
    rows, prev = [], None
    for i in order:
        k = keys[i]
        cy = k.y + k.h // 2
        if prev is None or cy > prev[0] + prev[1] / 2.0:
            rows.append([])
        rows[-1].append(k)
        prev = (cy, k.h)
    return rows


def check_preview_rows():
    rows = preview_rows()
    expect(len(rows) == 6, "the preview finds 6 rows (got %d)" % len(rows))
    for i, r in enumerate(rows):
        for k in r:
            expect(k.row == i or (k.ktype == 9 and k.row == i - 1),
                   "%r in preview row %d" % (k, i))


def check_files(files):
    for path, groups in files.items():
        text = qtini.render(groups)
        expect(len(text.encode("utf-8")) < 200000, "%s is small" % path)
    hw = files["setting/HWDef.bin"][1][1]
    expect(len(hw) == 2 + len(L.KEYS) and all(len(v) == 6 for _, v in hw[2:]),
           "HWDef keys have six values")
    ap = dict(files["setting/apConfig.bin"][0][1])
    expect(ap["total"] == 32 and ap["4"] == 2, "apConfig: 32 values, English")
    for code, family, col in S.LANGUAGES:
        f = dict(files["i18n/lang_%s.ini" % code][0][1])
        expect(f["total"] == 114, "lang %s: 114 strings" % code)
    prof = dict(files["setting/pD.bin"])
    expect(len(prof["keydefine0"]) == 128, "profile: 128 key definitions")
    expect(all(len(p) == 512 for _, p in prof["userPicture"]), "pictures of 512")
    expect(prof["keydefine0"][L.FN_MATRIX][1] == [0, 0], "Fn has no function")


def run_checks(files):
    check_check_value()
    check_strings()
    check_layout()
    d = check_spirals()
    check_preview_rows()
    check_files(files)
    return d


# ---------------------------------------------------------------------------
# Map of the layout
# ---------------------------------------------------------------------------

def _key_map(label_of):
    """One character cell per 6 px across, one line per row of keys; each
    key drawn as [label] over its width."""
    scale = 6
    width = L.PICTURE_W // scale + 2
    lines = []
    for row in range(6):
        line = [" "] * width
        for k in L.KEYS:
            if k.row != row:
                continue
            x0, x1 = k.x // scale, (k.x + k.w) // scale
            label = label_of(k)
            cell = "[" + label.center(max(x1 - x0 - 1, len(label)))[:x1 - x0 - 1] + "]"
            for i, ch in enumerate(cell):
                if x0 + i < width:
                    line[x0 + i] = ch
        lines.append("".join(line).rstrip())
    return "\n".join(lines)


def ascii_map(show="matrix"):
    return _key_map(lambda k: str(k.matrix) if show == "matrix" else k.legend)


def spiral_map():
    marks = {}
    for i, m in enumerate(L.SPIRAL_1):
        marks[m] = "a%d" % i
    for i, m in enumerate(L.SPIRAL_2):
        marks[m] = "b%d" % i

    def label_of(k):
        label = marks.get(k.matrix, "")
        return label.upper() if k.matrix in L.CENTRE_BLOCK else label
    return _key_map(label_of)


# ---------------------------------------------------------------------------

def write_files(files):
    for path, groups in sorted(files.items()):
        full = os.path.join(MODULES, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w", encoding="utf-8", newline="\n") as f:
            f.write(qtini.render(groups))


def stale_files(files):
    """Files under modules/ that differ from what the generator writes (hand
    edits, or a generator change not yet regenerated)."""
    stale = []
    for path, groups in sorted(files.items()):
        full = os.path.join(MODULES, path)
        try:
            with open(full, encoding="utf-8", newline="") as f:
                same = f.read() == qtini.render(groups)
        except OSError:
            same = False
        if not same:
            stale.append(path)
    return stale


def expected_dump(files):
    """key -> value as a fresh QSettings reads it back, per file (used by the
    Qt read-back check)."""
    out = {}
    for path, groups in files.items():
        d = {}
        for group, items in groups:
            for key, value in items:
                d[group + "/" + key] = qtini.read_back(value)
        out[path] = d
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true", help="check only")
    ap.add_argument("--map", action="store_true", help="print the key maps")
    args = ap.parse_args()
    files = all_files()
    try:
        d1, d2 = run_checks(files)
    except CheckError as e:
        print("CHECK FAILED:", e)
        return 1
    print("checks passed: %d keys, picture %d x %d, spirals %s and %s" %
          (len(L.KEYS), L.PICTURE_W, L.PICTURE_H, d1, d2))
    if args.map:
        print(ascii_map("legend"))
        print()
        print(ascii_map("matrix"))
        print()
        print(spiral_map())
    if args.check:
        stale = stale_files(files)
        if stale:
            print("STALE (run gen_data.py without --check): " + ", ".join(stale))
            return 1
        print("modules/ matches the generator")
    else:
        write_files(files)
        print("wrote %d files under %s" % (len(files), MODULES))
    return 0


if __name__ == "__main__":
    sys.exit(main())
