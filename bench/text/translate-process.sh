#!/usr/bin/env bash
# "ortelia translate" of 10,000-word German texts on the real DeEn, as a whole process: the example
# paragraph of 125 words 80 times, and (with fortunes-de) the first 10,000 words of its anecdotes,
# quotes and proverbs, where few words repeat. Medians of N runs (default 11): wall clock, and the
# processor time (user + system) that tells the figure apart from other work on the machine.
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="$HERE/../Ortelia/ortelia"
N="${N:-11}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for _ in $(seq 80); do cat "$HERE/beispiel.txt"; done >"$work/text.txt"

# time <file>: translates it N times and prints the medians.
time_text() {
  local text="$1" lines answered
  "$EXE" translate "$text" >"$work/out.txt" 2>/dev/null  # warm the file cache
  lines=$(wc -l <"$work/out.txt")
  answered=$(awk -F'\t' '$2 != ""' "$work/out.txt" | wc -l)
  TIMEFORMAT='%R %U %S'
  for _ in $(seq "$N"); do
    { time "$EXE" translate "$text" >/dev/null 2>&1; } 2>&1
  done >"$work/times.txt"
  echo "ortelia translate, $(wc -w <"$text") words of $2 ($lines lines, $answered answered):" \
    "median $(median 1) ms wall, $(median 0) ms processor ($N runs)"
}

median() { # median of column $1 of times.txt, in milliseconds
  awk -v c="$1" '{print (c == 0) ? $2 + $3 : $1}' "$work/times.txt" | sort -n |
    awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.0f", m * 1000}'
}

time_text "$work/text.txt" "the example paragraph"
fortunes=/usr/share/games/fortunes/de
if [ -r "$fortunes/zitate" ]; then
  cat "$fortunes"/{anekdoten,zitate,sprichworte} | grep -v '^%' | tr -s ' \n' '  ' | cut -d' ' -f1-10000 >"$work/prose.txt"
  time_text "$work/prose.txt" "fortunes-de prose"
fi

# Texts bounded in size but of marks alone: 16 MB of "." and of '"', each mark a word. Once each,
# with the peak resident memory against that of a one-word text.
if [ -x /usr/bin/time ]; then
  echo Haus >"$work/word.txt"
  base=$(/usr/bin/time -f '%M' "$EXE" translate "$work/word.txt" 2>&1 >/dev/null | tail -1)
  for mark in . '"'; do
    head -c 16000000 /dev/zero | tr '\0' "$mark" >"$work/marks.txt"
    read -r wall cpu rss < <(/usr/bin/time -f '%e %U %S %M' "$EXE" translate "$work/marks.txt" 2>&1 >/dev/null |
      tail -1 | awk '{print $1, $2 + $3, $4}')
    echo "ortelia translate, 16 MB of $mark: $wall s wall, $cpu s processor, $((rss / 1024)) MB" \
      "($(((rss - base) / 1024)) MB above a one-word text)"
  done
fi
