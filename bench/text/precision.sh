#!/usr/bin/env bash
# Precision of the first translation on everyday words held out of the tests' pinned lists
# (erste-uebersetzung.tab): the share of words whose first answer of "ortelia lookup" (the German
# side for English words) is one of the expected ones, case aside: the answer itself, its first
# item where it lists several with commas, or the word before the remark it says ("red (colour)"). ORTELIA names another program folder's executable. Prints each
# miss and the share per direction.
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="${ORTELIA:-$HERE/../Ortelia/ortelia}"
LIST="${LIST:-$HERE/erste-uebersetzung.tab}"

declare -A right total
while IFS=$'\t' read -r direction word expected; do
  case "$direction" in de | en) ;; *) continue ;; esac
  if [ "$direction" = de ]; then
    got=$("$EXE" lookup "$word" 2>/dev/null | sed -n 1p)
  else
    got=$("$EXE" lookup --foreign "$word" 2>/dev/null | sed -n 2p)
  fi
  got=$(printf '%s' "$got" | tr '[:upper:]' '[:lower:]')
  total[$direction]=$((${total[$direction]:-0} + 1))
  if [ -n "$got" ] && printf '%s\n' "$expected" | tr '|' '\n' | grep -qxF -e "$got" -e "${got%%, *}" -e "${got%% (*}" -e "${got%% [*}"; then
    right[$direction]=$((${right[$direction]:-0} + 1))
  else
    printf 'miss: %s %s -> "%s" (expected %s)\n' "$direction" "$word" "$got" "$expected"
  fi
done <"$LIST"
for direction in de en; do
  awk -v d="$direction" -v r="${right[$direction]:-0}" -v t="${total[$direction]:-0}" \
    'BEGIN {printf "first translation %s: %d of %d right (%.0f %%)\n", d == "de" ? "German-English" : "English-German", r, t, t ? 100 * r / t : 0}'
done
