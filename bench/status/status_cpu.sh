#!/usr/bin/env bash
# CPU of vt12set on STATUS && TEST against the living simulator (paced), and the cost of one
# status poll decoded and shown.
# Usage: bench/status/status_cpu.sh [build-dir] [seconds]
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build}
seconds=${2:-60}
work=$(mktemp -d)
trap 'kill $sim 2>/dev/null || true; rm -rf "$work"' EXIT

QT_QPA_PLATFORM=offscreen "$build/bin/vt12bench_status" poll 5000 2>/dev/null

"$build/bin/vt12sim" --port-dir "$work" --com 3 --pace --live >/dev/null &
sim=$!
for _ in $(seq 100); do [ -e "$work/COM3" ] && break; sleep 0.05; done
printf '[Last]\nPort=3\n' > "$work/Settings.ini"
VT12_PORT_DIR="$work" VT12_PROGRAM_DIR="$work" xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build/bin/vt12bench_status" live "$seconds" 2>/dev/null
