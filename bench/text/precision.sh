#!/usr/bin/env bash
# Precision of the first translation on lists of words written by hand: the share of words
# whose first answer of "ortelia lookup" (the German side for foreign words) is one of the expected
# ones, case aside: the answer itself, its first item where it lists several with commas, or the word
# before the remark it says ("red (colour)"). ORTELIA names another program folder's executable, LIST
# another list. A list has lines "direction word expected" (erste-uebersetzung.tab: de German to
# English, en English to German) or "pair direction word expected" (formen.tab: de German typed, fx
# foreign typed, in the pair given). Prints each miss and the share per pair and direction.
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="${ORTELIA:-$HERE/../Ortelia/ortelia}"
LIST="${LIST:-$HERE/erste-uebersetzung.tab}"
export LC_ALL=C.UTF-8 # lower-cases umlauts and Greek too

# First answer for WORD: line 1 of lookup, or line 2 (the German side) for a foreign word.
first_answer() { # foreign(0/1) word [--pair PAIR]
  local foreign=$1 word=$2
  shift 2
  if [ "$foreign" = 1 ]; then
    "$EXE" lookup "$@" --foreign "$word" 2>/dev/null | sed -n 2p
  else
    "$EXE" lookup "$@" "$word" 2>/dev/null | sed -n 1p
  fi | sed 's/.*/\L&/'
}

declare -A right total
groups=()
while IFS=$'\t' read -r -a field; do
  case "${#field[@]}" in
  3) pair='' direction=${field[0]} word=${field[1]} expected=${field[2]} ;;
  4) pair=${field[0]} direction=${field[1]} word=${field[2]} expected=${field[3]} ;;
  *) continue ;;
  esac
  case "$direction" in de) foreign=0 ;; en | fx) foreign=1 ;; *) continue ;; esac
  if [ -n "$pair" ]; then
    group="$pair $direction"
    got=$(first_answer "$foreign" "$word" --pair "$pair")
  else
    group=$direction
    got=$(first_answer "$foreign" "$word")
  fi
  [ -n "${total[$group]:-}" ] || groups+=("$group")
  total[$group]=$((${total[$group]:-0} + 1))
  if [ -n "$got" ] && printf '%s\n' "$expected" | tr '|' '\n' | grep -qxF -e "$got" -e "${got%%, *}" -e "${got%% (*}" -e "${got%% [*}"; then
    right[$group]=$((${right[$group]:-0} + 1))
  else
    printf 'miss: %s %s -> "%s" (expected %s)\n' "$group" "$word" "$got" "$expected"
  fi
done <"$LIST"
for group in "${groups[@]}"; do
  case "$group" in
  de) name="first translation German-English" ;;
  en) name="first translation English-German" ;;
  *) name=$group ;;
  esac
  awk -v n="$name" -v r="${right[$group]:-0}" -v t="${total[$group]}" \
    'BEGIN {printf "%s: %d of %d right (%.0f %%)\n", n, r, t, 100 * r / t}'
done
