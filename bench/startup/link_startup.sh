#!/usr/bin/env bash
# Link start-up and idle cost of vt12set against the paced simulator (latency 0):
#  - port opening to the answer of the last read of the full read set, over its wire time
#    at 19200 8N2 with the 3.5-character gaps before and after every answer;
#  - median gap between the last byte of an answer and the first byte of the next request;
#  - CPU time of vt12set over IDLE seconds of polling (default 60), as a share of one core.
# Usage: bench/startup/link_startup.sh [build-dir] [idle-seconds]   (needs python3)
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build}
idle=${2:-60}
work=$(mktemp -d)
trap 'kill $sim 2>/dev/null || true; rm -rf "$work"' EXIT

"$build/bin/vt12sim" --port-dir "$work" --com 3 --pace --latency 0 >/dev/null &
sim=$!
for _ in $(seq 100); do [ -e "$work/COM3" ] && break; sleep 0.05; done
printf '[Last]\nPort=3\n' > "$work/Settings.ini"

export VT12_PORT_DIR="$work" VT12_PROGRAM_DIR="$work" QT_QPA_PLATFORM=offscreen
"$build/bin/vt12set" "--trace=$work/trace.log" 2>/dev/null &
app=$!
sleep 5
ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }
t0=$(ticks)
sleep "$idle"
t1=$(ticks)
kill -TERM $app
wait $app || true
hz=$(getconf CLK_TCK)

python3 - "$work/trace.log" $((t1 - t0)) "$hz" "$idle" <<'PY'
import statistics, sys
trace, cpu_ticks, hz, idle = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
char_ms = 11000 / 19200
opened = full_set = last_result = None
gaps, chars, reads, results = [], 0, 0, 0
for line in open(trace):
    t, kind, *rest = line.split()
    t = float(t)
    if kind == "OPEN" and opened is None:
        opened = t
    elif kind == "TX":
        if last_result is not None:
            gaps.append(t - last_result)
        if reads < 11:
            count = int(rest[4] + rest[5], 16)
            chars += 8 + 2 * count + 5 + 7
            reads += 1
    elif kind == "RESULT":
        last_result = t
        results += 1
        if results == 11:
            full_set = t
wire = chars * char_ms
print(f"full read set: {full_set - opened:.1f} ms from port opening, wire time {wire:.1f} ms, "
      f"ratio {(full_set - opened) / wire:.3f}")
print(f"answer-to-request gap: median {statistics.median(gaps):.3f} ms over {len(gaps)} gaps")
print(f"idle CPU: {100 * cpu_ticks / hz / idle:.2f} % of one core over {idle} s")
PY
