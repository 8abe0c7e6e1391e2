#!/usr/bin/env bash
# Coverage per pair: the share of word tokens of German prose that "ortelia translate" answers
# with a non-empty translation. The prose: German manual pages of manpages-de (PAGES), rendered
# as plain text. ORTELIA names another program folder's executable to compare with.
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="${ORTELIA:-$HERE/../Ortelia/ortelia}"
PAGES="${PAGES:-ls cp mv rm mkdir cat chmod date df du find kill less passwd ps sort tar}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for page in $PAGES; do
  file=$(ls /usr/share/man/de/man1/"$page".1.gz 2>/dev/null) || continue
  zcat "$file" | groff -k -Tutf8 -man -P-cbou 2>/dev/null  # -k: the pages are UTF-8
done >"$work/prose.txt"
[ -s "$work/prose.txt" ] || { echo "coverage: no German manual pages (package manpages-de)" >&2; exit 1; }

for pair in DeEn DeFr DeIt DeSp DeGr; do
  "$EXE" translate --pair "$pair" "$work/prose.txt" 2>/dev/null >"$work/$pair.txt"
  # Word tokens: those that begin with a letter (numbers, signs and options are no words).
  awk -F'\t' -v pair="$pair" '$1 ~ /^[[:alpha:]]/ {n++; if ($2 != "") t++}
    END {printf "%s: %d of %d word tokens translated, %.1f %%\n", pair, t, n, 100 * t / n}' "$work/$pair.txt"
done
