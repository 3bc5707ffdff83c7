#!/usr/bin/env bash
# Screenshots of what a technician must be able to trust at a glance, against the simulator:
# the link lost with alarms up, a save that did not verify, test mode on a 1366x768 laptop
# after maximize and restore, 150 % scaling on a 1920x1080 screen, and the extra windows on
# 1366x768. Under openbox when it is installed, so that frames and maximize act as on a desktop.
# Usage: bench/screenshots/trust_shots.sh [build-dir] [out-dir]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build}
out=${2:-$PWD/trust-shots}
mkdir -p "$out"

# shoot NAME SCREEN WAIT-MS SECONDS-TO-SILENCE SIMULATOR-OPTIONS... (0: the link stays up)
shoot() {
    local name=$1 screen=$2 wait=$3 silence=$4
    shift 4
    local ports
    ports=$(mktemp -d)
    "$build/bin/vt12sim" --port-dir "$ports" --com 3 --pace "$@" >/dev/null &
    local sim=$!
    for _ in $(seq 100); do [ -e "$ports/COM3" ] && break; sleep 0.05; done
    printf '[Last]\nPort=3\n' > "$ports/Settings.ini"
    cp "$build/bin/Vantor 12 Help.mht" "$ports/"
    if [ "$silence" -gt 0 ]; then (sleep "$silence"; kill -USR2 "$sim" 2>/dev/null || true) & fi
    VT12_PORT_DIR="$ports" VT12_PROGRAM_DIR="$ports" xvfb-run -a -s "-screen 0 ${screen}x24" \
        sh -c 'if command -v openbox >/dev/null; then openbox & sleep 1; fi; exec "$@"' shots \
        "$build/bin/vt12shots" "$out" "$wait" "$name" EXPERT
    kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true
    rm -rf "$ports"
}

VT12_SHOTS_PAGES=tsManual shoot alarms 1366x768 6000 0 --live --security-alarm
VT12_SHOTS_PAGES=tsManual shoot linkdown 1366x768 30000 14 --live --security-alarm
VT12_SHOTS_PAGES=tsSettings,tsDetail VT12_SHOTS_SAVE=1 VT12_SHOTS_SCREEN=1 \
    shoot notverified 1366x768 11000 0 --store-differently
VT12_SHOTS_PAGES=tsManual VT12_SHOTS_TEST_MODE=1 shoot testmode 1366x768 6000 0 --live
QT_SCALE_FACTOR=1.5 VT12_SHOTS_PAGES=tsManual,tsSettings shoot scaled150 1920x1080 6000 0 --live
VT12_SHOTS_PAGES=tsManual VT12_SHOTS_TRAFFIC=1 VT12_SHOTS_SCREEN=1 \
    shoot traffic 1366x768 6000 0 --live
VT12_SHOTS_PAGES=tsManual VT12_SHOTS_TRENDS=12 VT12_SHOTS_SCREEN=1 \
    shoot trends 1366x768 6000 0 --live
VT12_SHOTS_PAGES=tsSettings VT12_SHOTS_CHANGES=1 VT12_SHOTS_SCREEN=1 \
    shoot changes 1366x768 6000 0 --live
echo "written to $out"
