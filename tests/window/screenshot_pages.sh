#!/usr/bin/env bash
# screenshot_pages.sh [build dir] [output dir]: builds the screenshot test and writes one PNG per
# page of the bare main window, shown on a virtual X display.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build-screenshots}
out=${2:-$build/screenshots}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target tst_window_screenshots -j2
mkdir -p "$out"
# The help browser's renderer refuses to start as root inside its sandbox.
export QTWEBENGINE_CHROMIUM_FLAGS="--no-sandbox --disable-gpu"
export VT12_SCREENSHOT_DIR="$out" VT12_BIN_DIR="$build"
xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb \
    "$build/bin/tst_window_screenshots"
ls "$out"/*.png
