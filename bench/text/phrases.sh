#!/usr/bin/env bash
# The share of everyday phrases and separable-verb sentences (phrasen.tab) that "ortelia translate"
# answers right: the named word's line carries one of the expected translations (case aside), as
# its translation or one of the translations it lists with commas ("arise, get up").
# ORTELIA names another program folder's executable. Prints each miss and the share.
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="${ORTELIA:-$HERE/../Ortelia/ortelia}"
LIST="${LIST:-$HERE/phrasen.tab}"

right=0
total=0
while IFS=$'\t' read -r sentence word expected; do
  case "$sentence" in '#'* | '') continue ;; esac
  total=$((total + 1))
  got=$(printf '%s\n' "$sentence" | "$EXE" translate 2>/dev/null |
    awk -F'\t' -v w="$word" '$1 == w {print tolower($2); exit}')
  said=$(printf '%s\n' "$got" | sed 's/, /\n/g')
  if [ -n "$got" ] && printf '%s\n' "$expected" | tr '|' '\n' | tr '[:upper:]' '[:lower:]' |
    grep -qxF -f <(printf '%s\n' "$got" "$said"); then
    right=$((right + 1))
  else
    printf 'miss: %s  %s -> "%s" (expected %s)\n' "$sentence" "$word" "$got" "$expected"
  fi
done <"$LIST"
awk -v r="$right" -v t="$total" 'BEGIN {printf "phrases: %d of %d right (%.0f %%)\n", r, t, t ? 100 * r / t : 0}'
