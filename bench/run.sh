#!/usr/bin/env bash
# Builds cantrix-bench optimised, generates the large rules data files and runs every
# benchmark, ending with the summary of ratios against the baselines of the same run.
# Usage: bench/run.sh [benchmark flags]   e.g. bench/run.sh --benchmark_filter=10MB
set -euo pipefail
cd "$(dirname "$0")/.."

tools/ensure-packages.sh libbenchmark-dev
build_dir=${BENCH_BUILD_DIR:-build-bench}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCANTRIX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" -j2 --target cantrix-bench

rules_dir=$build_dir/bench-rules
bench/make-rules.sh 1M "$rules_dir/1MB.dat"
bench/make-rules.sh 10M "$rules_dir/10MB.dat"
files=()
if [ -f data/GX2Mod.dat ]; then
    files+=("bundled=data/GX2Mod.dat")
else
    echo "data/GX2Mod.dat not found: a generated file of 48 KB stands in for it as 'small'" >&2
    bench/make-rules.sh 48K "$rules_dir/small.dat"
    files+=("small=$rules_dir/small.dat")
fi
files+=("1MB=$rules_dir/1MB.dat" "10MB=$rules_dir/10MB.dat")

export QT_QPA_PLATFORM=offscreen
# Many short repetitions, of which the summary takes the fastest: on a shared machine that is
# the figure least disturbed by the rest of its load.
"$build_dir/bin/cantrix-bench" --benchmark_repetitions=15 --benchmark_min_time=0.1 \
    --benchmark_report_aggregates_only=true --benchmark_enable_random_interleaving=true \
    "$@" "${files[@]}"
