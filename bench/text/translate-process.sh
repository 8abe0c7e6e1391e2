#!/usr/bin/env bash
# "ortelia translate" of a 10,000-word German text (the example paragraph of 125 words, 80 times)
# on the real DeEn, as a whole process. Medians of N runs (default 11): wall clock, and the
# processor time (user + system) that tells the figure apart from other work on the machine.
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="$HERE/../Ortelia/ortelia"
N="${N:-11}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for _ in $(seq 80); do cat "$HERE/beispiel.txt"; done >"$work/text.txt"

"$EXE" translate "$work/text.txt" >"$work/out.txt" 2>/dev/null  # warm the file cache
lines=$(wc -l <"$work/out.txt")
answered=$(awk -F'\t' '$2 != ""' "$work/out.txt" | wc -l)

TIMEFORMAT='%R %U %S'
for _ in $(seq "$N"); do
  { time "$EXE" translate "$work/text.txt" >/dev/null 2>&1; } 2>&1
done >"$work/times.txt"

median() { # median of column $1 of times.txt, in milliseconds
  awk -v c="$1" '{print (c == 0) ? $2 + $3 : $1}' "$work/times.txt" | sort -n |
    awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.0f", m * 1000}'
}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "ortelia translate, $(wc -w <"$work/text.txt") words ($lines lines, $answered answered):" \
  "median $(median 1) ms wall, $(median 0) ms processor ($N runs)"
