#!/usr/bin/env bash
# build.sh [--sanitize]: configures and builds into build/, or the unit suites alone into
# build-sanitize/ under ASan and UBSan. Uses ccache when it is there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build"
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
targets=(all)
if [ "${1:-}" = "--sanitize" ]; then
    dir="$root/build-sanitize"
    flags=(-DCMAKE_BUILD_TYPE=Debug -DVT12_SANITIZE=ON)
    targets=(vt12unit_tests)
fi
command -v ccache >/dev/null && flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
echo "$dir"
