#!/usr/bin/env bash
# demo.sh: installs what is missing, builds, and starts vt12set talking to vt12sim on COM3.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
dir=$("$root/scripts/build.sh" | tail -n 1)

ports=$(mktemp -d)
"$dir/bin/vt12sim" --port-dir "$ports" --com 3 --pace --live "$@" &
sim=$!
trap 'kill $sim 2>/dev/null; wait $sim 2>/dev/null; rm -rf "$ports"' EXIT
for _ in $(seq 50); do [ -e "$ports/COM3" ] && break; sleep 0.1; done

export VT12_PORT_DIR="$ports"
export QTWEBENGINE_DISABLE_SANDBOX=1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    xvfb-run -a -s "-screen 0 1280x800x24" "$dir/bin/vt12set"
else
    "$dir/bin/vt12set"
fi
