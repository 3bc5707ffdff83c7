#!/usr/bin/env bash
# Screenshots of vt12set against the simulator, one PNG per page, for a single unit, a MASTER
# with its SLAVE, and a unit with damaged firmware; each in the normal window, maximized, and
# restored with the enlarged layout.
# Usage: bench/screenshots/app_shots.sh [build-dir] [out-dir]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build}
out=${2:-$PWD/screenshots}
mkdir -p "$out"

shoot() {
    local name=$1; shift
    local ports
    ports=$(mktemp -d)
    "$build/bin/vt12sim" --port-dir "$ports" --com 3 --pace "$@" >/dev/null &
    local sim=$!
    for _ in $(seq 100); do [ -e "$ports/COM3" ] && break; sleep 0.05; done
    printf '[Last]\nPort=3\n' > "$ports/Settings.ini"
    cp "$build/bin/Vantor 12 Help.mht" "$ports/"
    # Under a window manager when there is one (openbox), so that maximize acts as on a desktop.
    VT12_PORT_DIR="$ports" VT12_PROGRAM_DIR="$ports" xvfb-run -a -s "-screen 0 1280x800x24" \
        sh -c 'if command -v openbox >/dev/null; then openbox & sleep 1; fi; exec "$@"' shots \
        "$build/bin/vt12shots" "$out" 6000 "$name" EXPERT
    kill "$sim"; wait "$sim" 2>/dev/null || true
    rm -rf "$ports"
}

shoot single --live
shoot master --master --live
shoot damaged --firmware B03C
echo "written to $out"
