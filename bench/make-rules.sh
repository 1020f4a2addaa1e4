#!/usr/bin/env bash
# Writes a rules data file of about SIZE bytes for the benchmarks: a few type lines, then as
# many category sections as the size needs, each shaped like a real one (stand-alone
# modifiers with token strings, modifiers that own a block of options, comments, a reserved
# line, accented UTF-8 texts). The output is the same on every run.
# Usage: bench/make-rules.sh SIZE OUTPUT      e.g. bench/make-rules.sh 10M /tmp/rules/GX2Mod.dat
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 SIZE[K|M] OUTPUT" >&2
    exit 2
fi
size=$1
case $size in
    *K) size=$(( ${size%K} * 1024 )) ;;
    *M) size=$(( ${size%M} * 1024 * 1024 )) ;;
esac
mkdir -p "$(dirname "$2")"

LC_ALL=C awk -v target="$size" '
# Name or text padded to column 60, then the token string from column 61. Columns count
# characters: each two-byte letter needs one more byte of padding.
function field(text, tokens,   copy, wide) {
    copy = text
    wide = gsub(/\303/, "", copy)
    return sprintf("%-" (60 + wide) "s%s", text, tokens)
}
function emit(line) { printf "%s\r\n", line; written += length(line) + 2 }
function tokens(n,   t, i, out) {
    out = ""
    for (i = 0; i < n; ++i) {
        t = (i % 3 == 2) ? "DRT" : ""
        out = out (out == "" ? "" : " ") ((n + i) % 4 == 0 ? "-" : "+") ((n * 7 + i) % 4 + 1) t
    }
    return out
}
BEGIN {
    written = 0
    emit("! Rules data generated for the benchmarks.")
    emit("! Columns: name or text in 1-59/60, token string from 61.")
    for (t = 1; t <= 8; ++t)
        emit(field(sprintf("]Type %d", t), tokens(t % 3 + 1)))
    for (c = 1; written < target; ++c) {
        emit(field(sprintf("#Category %05d", c), tokens(c % 2 + 1)))
        emit("! Modifiers of this category")
        for (m = 1; m <= 40 && written < target; ++m) {
            if (m % 4 == 0) {
                # A modifier that owns options: its text alone on the line.
                emit(sprintf("Option group %02d of c%05d, d\303\251tails", m, c))
                for (o = 1; o <= 4; ++o) {
                    if (o == 3)
                        emit("! a comment inside the option block")
                    emit(field(sprintf("    Choice %d of group %02d", o, m), tokens(o % 3 + 1)))
                }
            } else {
                emit(field(sprintf("Modifier %02d %05d r\303\251sistance", m, c), tokens(m % 3 + 1)))
            }
        }
        emit("(reserved line, never listed")
    }
}' > "$2"
