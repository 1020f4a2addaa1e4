#!/usr/bin/env bash
# Installs what is missing, builds Cantrix3, and starts it with the bundled GX2Mod.dat.
set -euo pipefail
cd "$(dirname "$0")"

mapfile -t packages < <(grep -v -E '^\s*(#|$)' tools/build-packages.txt)
tools/ensure-packages.sh "${packages[@]}"

build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCANTRIX_BUILD_TESTS=OFF
cmake --build "$build_dir" --target Cantrix3
exec "$build_dir/bin/Cantrix3" "$@"
