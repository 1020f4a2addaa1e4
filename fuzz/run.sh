#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer, AddressSanitizer and UBSan, and runs each
# for SECONDS, starting from its seeds, the regression inputs and the tests' files.
# Usage: fuzz/run.sh SECONDS [TARGET...]      (targets: the fuzz-* executables, e.g. rules-file)
# A crash, hang or broken invariant fails the run and leaves the input in
# $FUZZ_BUILD_DIR/artifacts/TARGET/; check it in under tests/fuzz-regressions/TARGET/ first,
# then fix the code until tests/fuzz replays it cleanly.
set -euo pipefail
if [ $# -lt 1 ] || ! [ "$1" -gt 0 ] 2>/dev/null; then
    echo "usage: $0 SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift
cd "$(dirname "$0")/.."
source_dir=$PWD

tools/ensure-packages.sh clang-14 libclang-rt-14-dev
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE= \
    -DCMAKE_CXX_FLAGS="$flags -fsanitize=fuzzer-no-link" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCANTRIX_BUILD_FUZZERS=ON -DCANTRIX_BUILD_TESTS=OFF -DCANTRIX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j2 --target fuzzers
build_dir=$(cd "$build_dir" && pwd)

# The folder of a target's seeds and regression inputs: the rules check shares the rules file's.
inputs_of() {
    case $1 in
        rules-check) echo rules-file ;;
        *) echo "$1" ;;
    esac
}

# The tests' own files that suit a target, besides its checked-in seeds.
test_files() {
    case $1 in
        rules-file | rules-check) find "$source_dir/tests" "$source_dir/data" -name '*.dat' 2>/dev/null ;;
        spell-document) find "$source_dir/tests" -name '*.xml' 2>/dev/null ;;
        author-options) find "$source_dir/tests" -name 'ctx*.txt' 2>/dev/null ;;
        slider-properties) find "$source_dir/tests" -name '*.ini' 2>/dev/null ;;
        help-page) find "$source_dir/data" -name '*.htm' 2>/dev/null ;;
    esac
}

# Inputs up to this size reach every reader. Rules files and spell documents get room for tens
# of thousands of lines or elements, where work that grows faster than the input (a file read
# again for every element, a finding kept for every empty line) shows as a timeout or as memory.
max_len() {
    case $1 in
        rules-file | rules-check | spell-document) echo 131072 ;;
        slider-properties | help-page) echo 16384 ;;
        *) echo 4096 ;;
    esac
}
# Any input within max_len runs well under a second even with the sanitizers; one that takes
# longer, or memory past the limit, is a finding.
timeout_seconds=${FUZZ_TIMEOUT:-3}
rss_limit_mb=${FUZZ_RSS_LIMIT_MB:-1024}

if [ $# -eq 0 ]; then
    set -- $(cd "$build_dir/bin" && ls fuzz-* | sed 's/^fuzz-//')
fi

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# A quarantine of freed memory smaller than the default 256 MB, as OSS-Fuzz runs: use after
# free is still caught within it, and the fuzzer no longer spends a third of its time on the
# system handing out fresh pages.
export ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=16
export LSAN_OPTIONS="suppressions=$source_dir/tools/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
failed=()
for target in "$@"; do
    corpus=$build_dir/corpus/$target
    artifacts=$build_dir/artifacts/$target
    mkdir -p "$corpus" "$artifacts"
    while IFS= read -r file; do
        cp "$file" "$corpus/test-$(basename "$file")"
    done < <(test_files "$target")
    seeds=()
    for dir in "$source_dir/fuzz/seeds/$(inputs_of "$target")" "$source_dir/tests/fuzz-regressions/$(inputs_of "$target")"; do
        [ -d "$dir" ] && seeds+=("$dir")
    done

    log=$build_dir/fuzz-$target.log
    echo "fuzz-$target: ${seconds}s"
    if "$build_dir/bin/fuzz-$target" -max_total_time="$seconds" -timeout="$timeout_seconds" -rss_limit_mb="$rss_limit_mb" \
        -max_len="$(max_len "$target")" -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$corpus" "${seeds[@]}" >"$log" 2>&1; then
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log" | sed 's/^/    /'
    else
        tail -n 40 "$log"
        echo "fuzz-$target FAILED; the input is in $artifacts/" >&2
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found problems in: ${failed[*]}" >&2
    exit 1
fi
echo "fuzzing: no crash, hang or broken invariant in ${#@} target(s)"
