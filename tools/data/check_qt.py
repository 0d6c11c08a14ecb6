#!/usr/bin/env python3
"""Reads every shipped data file back through Qt 6 and compares.

Compiles verify/verify_data.cpp (outside the source tree, under a shared
build lock), runs it on modules/ with the offscreen platform and checks that
every key reads back with the intended text or list, that the program's
readers get the shapes they expect, that every language file passes its own
check value, and that the fonts hold every character.

    python3 tools/data/check_qt.py [--media] [--png FILE] [--build-dir DIR]

--media also plays every sound through Qt Multimedia (about 20 s: playback
runs in real time even without an audio device) and checks that each one
loads and reaches its end.  --png FILE draws the key picture with the
matrix positions and the two SPOTLIGHT spirals.
"""

import argparse
import json
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import gen_data             # noqa: E402
import layout as L          # noqa: E402

LOCK = "/tmp/r7-build.lock"


def build(build_dir, name="verify_data", qt=("Qt6Gui", "Qt6Core")):
    os.makedirs(build_dir, exist_ok=True)
    exe = os.path.join(build_dir, name)
    src = os.path.join(HERE, "verify", name + ".cpp")
    if os.path.exists(exe) and os.path.getmtime(exe) > os.path.getmtime(src):
        return exe
    flags = subprocess.check_output(
        ["pkg-config", "--cflags", "--libs"] + list(qt), text=True).split()
    cmd = ["flock", LOCK, "g++", "-std=c++17", "-O1", "-fPIC", src, "-o", exe] + flags
    subprocess.check_call(cmd)
    return exe


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--build-dir", default="/tmp/r7-data-verify")
    ap.add_argument("--media", action="store_true", help="also play the sounds")
    ap.add_argument("--png", help="draw the key picture into this PNG file")
    args = ap.parse_args()
    exe = build(args.build_dir)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.check_output([exe, gen_data.MODULES], env=env, text=True)
    got = json.loads(out)
    failures = list(got["problems"])

    expected = gen_data.expected_dump(gen_data.all_files())
    for path, keys in expected.items():
        read = got["files"].get(path)
        if read is None:
            failures.append("%s: not found" % path)
            continue
        for k, v in keys.items():
            if read.get(k) != v:
                failures.append("%s: %s reads %r, meant %r" % (path, k, read.get(k), v))
        extra = set(read) - set(keys)
        if extra:
            failures.append("%s: unexpected keys %s" % (path, sorted(extra)))
    extra_files = set(got["files"]) - set(expected)
    if extra_files:
        failures.append("files nobody generated: %s" % sorted(extra_files))

    p = got["program"]
    n = len(L.KEYS)
    checks = [
        (p["loadHWDef_size"] == 2 + 6 * n, "loadHWDef gives 2 + 6 x %d" % n),
        (p["maxProfile"] == gen_data.MAX_PROFILE, "maxProfile"),
        (p["usbStr_size"] == p["usbCode_size"] == len(L.USB_NAMES), "key-name lists"),
        (p["apConfig_size"] == 32, "loadApConfig gives 32 values"),
        (p["apConfig_name"] == gen_data.WINDOW_TITLE, "window title"),
    ]
    for f in ["setting/pD.bin"] + ["setting/p%d.bin" % k for k in range(1, 6)]:
        q = p[f]
        checks.append((q == {"ledType": 7, "color": 21, "keydefine_pairs": 128,
                             "pictures_512": 5}, "%s shapes %s" % (f, q)))
    for name, lang in sorted(p["languages"].items()):
        checks += [
            (lang["strings"] == 114, "%s: 114 strings" % name),
            (lang["cs_matches"], "%s: check value matches" % name),
            (lang["messages"] == 4, "%s: four messages" % name),
            (lang["family_resolved"] == lang["family"],
             "%s: font %s present (got %s)" % (name, lang["family"], lang["family_resolved"])),
            (lang["missing_glyphs"] == "", "%s: glyphs missing: %s" % (name, lang["missing_glyphs"])),
        ]
    for name, f in sorted(got["fonts"].items()):
        checks.append((f["legend_missing_glyphs"] == "",
                       "%s: legend glyphs missing: %s" % (name, f["legend_missing_glyphs"])))
        # a legend may reach a little past its cap, but must keep 3 px from
        # the legends of the keys beside it
        width = {k.matrix: f["legend_widths"][str(i + 1)] for i, k in enumerate(L.KEYS)}
        for k in L.KEYS:
            if width[k.matrix] > k.w + 6:
                failures.append("%s: legend %r is %d px on a %d px key"
                                % (name, k.legend, width[k.matrix], k.w))
        for a in L.KEYS:
            for b in L.KEYS:
                if a.row == b.row and a.x < b.x and gen_data.adjacent(a, b):
                    gap = (b.cx - a.cx) - (width[a.matrix] + width[b.matrix]) / 2.0
                    if gap < 3:
                        failures.append("%s: legends %r and %r only %.1f px apart"
                                        % (name, a.legend, b.legend, gap))
    failures += [msg for ok, msg in checks if not ok]

    widest = sorted(((f["legend_widths"][str(i + 1)] - k.w, k.legend, name)
                     for name, f in got["fonts"].items() for i, k in enumerate(L.KEYS)),
                    reverse=True)[:5]
    print("widest legends (px beyond the cap):", widest)
    if args.png:
        rl = build(args.build_dir, "render_layout")
        subprocess.check_call([rl, os.path.join(gen_data.MODULES, "setting", "HWDef.bin"),
                               os.path.abspath(args.png)], env=env,
                              stderr=subprocess.DEVNULL)
        print("key picture drawn into", args.png)

    if args.media:
        vm = build(args.build_dir, "verify_media", ("Qt6Multimedia", "Qt6Gui", "Qt6Core"))
        media = os.path.join(gen_data.MODULES, "media")
        res = subprocess.run([vm, media], env=env, text=True,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        print(res.stdout.strip())
        if res.returncode:
            failures.append("a sound did not play to its end")
        for name in os.listdir(media):
            if os.path.getsize(os.path.join(media, name)) > 500 * 1024:
                failures.append("%s is larger than 500 KB" % name)

    if failures:
        print("FAILED:")
        for f in failures:
            print("  " + f)
        return 1
    print("Qt read-back: %d files, every key as intended; program shapes, "
          "check values and fonts OK" % len(expected))
    return 0


if __name__ == "__main__":
    sys.exit(main())
