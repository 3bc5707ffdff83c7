#!/usr/bin/env bash
# package.sh: installs what is missing, builds vt12set, vt12sim and vt12cli in build/ (the
# tests' build, so after test.sh nothing is built again), makes the Debian package there with
# CPack and checks it. Prints the package's path last.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build"
"$root/scripts/install-deps.sh" --package

# The build type the tests use; CPack strips the debug information.
[ -f "$dir/build.ninja" ] ||
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "$(nproc)" --target vt12set vt12sim vt12cli
rm -f "$dir"/vt12set_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/vt12set_*.deb)

desktop-file-validate "$root"/packaging/*.desktop
appstreamcli validate --no-net "$dir"/packaging/*.metainfo.xml
lintian --fail-on error "$deb"
echo "$deb"
