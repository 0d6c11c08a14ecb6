#!/usr/bin/env bash
# Installs what is missing, builds r7config and starts it.
# Set R7_DEMO=1 to start the demo build against the virtual keyboard instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target r7config r7config-demo r7_modules
if [ "${R7_DEMO:-0}" = 1 ]; then
  exec build/bin/r7config-demo
fi
exec build/bin/r7config
