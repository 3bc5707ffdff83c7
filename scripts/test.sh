#!/usr/bin/env bash
# test.sh [--sanitize]: installs what is missing, builds, runs the whole suite through CTest;
# with --sanitize, the unit tests under ASan and UBSan (the soak covers the end-to-end runs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
dir=$("$root/scripts/build.sh" "$@" | tail -n 1)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$root/tests/lsan.supp"
# Most tests wait on the simulated line far more than they compute, so several run per core.
options=(-j 24)
[ "${1:-}" = "--sanitize" ] && options=(-j 4 -L unit)
cd "$dir"
ctest --output-on-failure "${options[@]}"
