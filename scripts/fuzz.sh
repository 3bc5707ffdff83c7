#!/usr/bin/env bash
# fuzz.sh SECONDS: builds the libFuzzer targets with clang into build-fuzz/ and runs each for
# SECONDS on its committed seed corpus; fails when one finds a fault, whose input is kept in
# build-fuzz/findings/. Runs as many targets at once as there are cores.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:?usage: fuzz.sh SECONDS}
"$root/scripts/install-deps.sh"
dir="$root/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" \
    -DVT12_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)" --target vt12fuzz

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$root/tests/lsan.supp"
mkdir -p "$dir/findings"
# One target per core at a time; each is a single process.
fuzz_one() {
    local source=$1 name seeds grown log
    name=$(basename "$source" .cpp)
    seeds="${source%.cpp}_corpus"
    grown="$dir/corpus/$name"
    mkdir -p "$grown"
    log="$dir/findings/$name.log"
    if ! "$dir/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$dir/findings/$name-" "$grown" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz.sh: $name found a fault; the input is in $dir/findings/" >&2
        return 1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    echo "$name: $runs runs in $seconds s"
}
export -f fuzz_one
export dir seconds
printf '%s\n' "$root"/fuzz/*/*.cpp | xargs -P "$(nproc)" -I{} bash -c 'fuzz_one "$1"' _ {}
