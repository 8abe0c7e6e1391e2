#!/usr/bin/env bash
# Coverage per pair: the share of word tokens of German text that "ortelia translate" answers with
# a non-empty translation, on two corpora:
#   prose         sayings, quotes, anecdotes and poems of fortunes-de (PROSE, files of
#                 /usr/share/games/fortunes/de, without the "%" separators and the lines naming authors)
#   manual pages  German manual pages of manpages-de (PAGES), rendered as plain text (technical)
# ORTELIA names another program folder's executable to compare with. MISSED=N also prints each
# pair's N most frequent untranslated words of the prose.
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="${ORTELIA:-$HERE/../Ortelia/ortelia}"
PROSE="${PROSE:-anekdoten gedichte sprichworte sprueche zitate}"
PAGES="${PAGES:-ls cp mv rm mkdir cat chmod date df du find kill less passwd ps sort tar}"
PAIRS="${PAIRS:-DeEn DeFr DeIt DeSp DeGr}"
MISSED="${MISSED:-0}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for file in $PROSE; do
  cat /usr/share/games/fortunes/de/"$file" 2>/dev/null
done | grep -v -e '^%$' -e '^[[:space:]]*--' -e 'Falsch zugeordnete Zitate' >"$work/prose.txt"
for page in $PAGES; do
  file=$(ls /usr/share/man/de/man1/"$page".1.gz 2>/dev/null) || continue
  zcat "$file" | groff -k -Tutf8 -man -P-cbou 2>/dev/null  # -k: the pages are UTF-8
done >"$work/manual.txt"

for corpus in prose manual; do
  if [ ! -s "$work/$corpus.txt" ]; then
    echo "coverage: no $corpus text (packages fortunes-de, manpages-de)" >&2
    exit 1
  fi
done

for corpus in prose manual; do
  name=$([ "$corpus" = prose ] && echo "prose" || echo "manual pages")
  for pair in $PAIRS; do
    "$EXE" translate --pair "$pair" "$work/$corpus.txt" 2>/dev/null >"$work/$pair.$corpus.txt"
    # Word tokens: those that begin with a letter (numbers, signs and options are no words).
    awk -F'\t' -v pair="$pair" -v name="$name" '$1 ~ /^[[:alpha:]]/ {n++; if ($2 != "") t++}
      END {printf "%s, %s: %d of %d word tokens translated, %.1f %%\n", pair, name, t, n, 100 * t / n}' \
      "$work/$pair.$corpus.txt"
    if [ "$corpus" = prose ] && [ "$MISSED" -gt 0 ]; then
      awk -F'\t' '$1 ~ /^[[:alpha:]]/ && $2 == "" {print $1}' "$work/$pair.$corpus.txt" |
        sort | uniq -c | sort -rn | head -n "$MISSED" | awk '{printf "  %s %s\n", $1, $2}'
    fi
  done
done
