#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"

mapfile -t packages < <(grep -h -v -E '^\s*(#|$)' tools/build-packages.txt tools/test-packages.txt)
tools/ensure-packages.sh "${packages[@]}"

build_dir=${BUILD_DIR:-build-tests}
# CI lets no warning through; elsewhere warnings are shown and the build goes on.
warnings_as_errors=OFF
[ "${CI:-}" = true ] && warnings_as_errors=ON
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCANTRIX_WARNINGS_AS_ERRORS=$warnings_as_errors ${CMAKE_EXTRA_ARGS:-}
cmake --build "$build_dir"

# CI also runs the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, and
# fuzzes every target for a short while; both come before the plain run so that its ctest
# summary stays the last thing printed.
if [ "${CI:-}" = true ]; then
    tools/sanitized-tests.sh
    fuzz/run.sh "${FUZZ_SECONDS:-20}"
fi

export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure --timeout 300 "$@"
