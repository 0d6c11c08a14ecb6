#!/usr/bin/env bash
# Installs the Debian 12 packages r7config needs to build, run and test.
# Only missing packages are installed; apt runs as root (directly, or
# through sudo / su when this script runs as a normal user).
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config python3
  qt6-base-dev qt6-declarative-dev qt6-multimedia-dev
  libhidapi-dev libudev-dev libx11-dev libxi-dev libxtst-dev
  # run time: QML, sound, fonts
  qml6-module-qtquick qml6-module-qtqml-workerscript qml6-module-qtquick-window
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-liberation2 fonts-wqy-microhei
  # tests and screenshots
  qml6-module-qttest xvfb xauth xdotool imagemagick xcompmgr
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  bash -c "$cmd"
elif command -v sudo >/dev/null 2>&1; then
  sudo bash -c "$cmd"
else
  su -c "$cmd"
fi
