#!/usr/bin/env bash
# Installs what building, testing and the demo need on Debian 12; skips what is there.
# --package: also what building and checking the Debian package needs.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache pkg-config clang clang-format lld
    qt6-base-dev qt6-serialport-dev qt6-svg-dev qt6-webengine-dev qt6-charts-dev
    libgl-dev fonts-liberation xvfb xauth imagemagick
)
[ "${1:-}" = "--package" ] && packages+=(dpkg-dev file desktop-file-utils appstream lintian)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
