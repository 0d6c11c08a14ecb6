#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite
# headless, takes a screenshot per skin into build/artifacts; then builds the non-GUI parts with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs their tests again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j1)

# Pictures of the running program, one per skin, for people to look at.
bash tools/screenshot.sh build build/artifacts || echo "screenshots could not be taken (see build/artifacts)"

san="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DR7_BUILD_GUI=OFF -DR7_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-asan -j"$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -L nongui -j1)
