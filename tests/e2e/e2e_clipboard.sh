#!/usr/bin/env bash
# usage: e2e_clipboard.sh <assembled program folder> <screenshot file>
# Copies a German text to the X clipboard with xclip and presses F5 in the main window: the text
# translator appears and reads the translated words aloud.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

start_program
find_window '^Ortelia Zuzadivi Zeverovazur$'

printf 'Guten Morgen' | xclip -selection clipboard
click 300 20                # into the main window, so that it has the keyboard
xdotool key F5
find_window '^ Uebersetzungsfenster :  Text-Uebersetzer !$'

pattern=""
for word in guten morgen; do
  answer="$(./ortelia lookup --pair DeEn "$word" 2>/dev/null | head -n1 || true)"
  [ -n "$answer" ] && pattern="$pattern.*$answer"
done
[ -n "$pattern" ] || fail "the page knows none of the words"

for _ in $(seq 1 150); do
  grep -q -- "$pattern" "$ORTELIA_SPEECH_LOG" 2>/dev/null && break
  sleep 0.1
done
import -window root "$screenshot"
grep -q -- "$pattern" "$ORTELIA_SPEECH_LOG" 2>/dev/null || fail "the translation was not read aloud ($pattern)"
echo "e2e_clipboard: passed"
