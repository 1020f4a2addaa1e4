#!/usr/bin/env bash
# Builds the whole test suite a second time with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs it. Any memory error, leak or undefined behaviour stops the test that hit it and
# fails the run. Usage: tools/sanitized-tests.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${SANITIZE_BUILD_DIR:-build-sanitize}
sanitize="-fsanitize=address,undefined"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$sanitize -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
    -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" \
    -DCMAKE_MODULE_LINKER_FLAGS="$sanitize" \
    -DCANTRIX_BUILD_BENCH=OFF
cmake --build "$build_dir" -j2

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"

cd "$build_dir"
# The accessibility tests wait for the desktop's bus to relay the window's events in real time,
# which the sanitizers slow past their waits; they run in the plain suite, where they belong.
ctest --output-on-failure --timeout 600 -E '^atspi_' "$@"
