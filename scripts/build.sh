#!/usr/bin/env bash
# build.sh [--sanitize]: configures and builds into build/, or the unit suites alone into
# build-sanitize/ under ASan and UBSan. Uses clang and ccache when they are there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build"
# Line tables only: backtraces name functions and lines, and objects stay small enough to
# link quickly. A debugger's full information: configure without this flag.
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG")
targets=(all)
if [ "${1:-}" = "--sanitize" ]; then
    dir="$root/build-sanitize"
    flags=(-DCMAKE_BUILD_TYPE=Debug -DVT12_SANITIZE=ON "-DCMAKE_CXX_FLAGS_DEBUG=-g1")
    targets=(vt12unit_tests)
fi
# clang compiles the unoptimized test code and the sanitized build in about half of GCC's time.
if command -v clang++ >/dev/null; then
    flags+=("-DCMAKE_CXX_COMPILER=$(command -v clang++)")
fi
if command -v ccache >/dev/null; then
    flags+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # What ccache needs to cache files built with a precompiled header.
    export CCACHE_SLOPPINESS=pch_defines,time_macros
fi
cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
echo "$dir"
