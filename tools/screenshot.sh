#!/usr/bin/env bash
# Screenshots of the running program, one per skin, for people to look at:
# starts the program under Xvfb with a compositor (so the translucent window
# blends), waits for the opening animation and writes a PNG of the window.
#
# Usage: tools/screenshot.sh [build folder] [output folder]
#   defaults: build, <build folder>/artifacts
# The build's bin/ folder is copied to a scratch folder per skin; the skin is
# chosen by configuration value 1 in that copy only. The program's output
# goes beside each picture (skin<N>.log).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-$build/artifacts}
bin=$build/bin
wait_s=${R7_SCREENSHOT_WAIT:-7}

[ -x "$bin/r7config" ] || { echo "no $bin/r7config: build first" >&2; exit 1; }
[ -d "$bin/modules/img/skin1" ] || { echo "no skins in $bin/modules/img: build r7_skin_images" >&2; exit 1; }
mkdir -p "$out"

pids=()
scratch=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for dir in "${scratch[@]}"; do rm -rf "$dir"; done
}
trap cleanup EXIT

# A free display number.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done

Xvfb ":$display" -screen 0 1100x700x24 -noreset >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
DISPLAY=":$display" xcompmgr -n >/dev/null 2>&1 &
pids+=($!)

for skin in $(ls "$bin/modules/img" | sed -n 's/^skin\([0-9]*\)$/\1/p' | sort -n); do
    work=$(mktemp -d)
    scratch+=("$work")
    cp "$bin/r7config" "$work/"
    cp -r "$bin/modules" "$work/"
    config="$work/modules/setting/apConfig.bin"
    if [ -f "$config" ]; then
        sed -i "s/^1=.*/1=$skin/" "$config"
    else
        mkdir -p "$work/modules/setting"
        printf '[common]\ntotal=2\n0=1\n1=%s\n' "$skin" > "$config"
    fi

    DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$work/r7config" >"$work/r7config.log" 2>&1 &
    app=$!
    pids+=($app)
    sleep "$wait_s"
    shot="$out/skin$skin.png"
    window=$(DISPLAY=":$display" xdotool search --pid "$app" 2>/dev/null | tail -1 || true)
    if [ -n "$window" ]; then
        geometry=$(DISPLAY=":$display" xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print w "x" h "+" x "+" y}')
        DISPLAY=":$display" import -window root -crop "$geometry" +repage "$shot"
    else
        DISPLAY=":$display" import -window root "$shot"
    fi
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    cp "$work/r7config.log" "$out/skin$skin.log"
    echo "$shot"
done
