#!/usr/bin/env bash
# usage: e2e_dictation.sh <assembled program folder> <screenshot file>
# Opens the dictation interpreter from the command line and types two words into its dictation
# field as a dictation program would: the main window translates and speaks both, in order.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

answer_of() { # answer_of <word>: what the English page answers
  ./ortelia lookup --pair DeEn "$1" 2>/dev/null | head -n1 || true
}
first="$(answer_of haus)"
second="$(answer_of baum)"
[ -n "$first" ] && [ -n "$second" ] || fail "the page does not know both words"

start_program --window Speaking
find_window '^Diktier-Textfeld:$'

click 100 20                # the dictation field TextD8
xdotool type --delay 20 "Haus Baum "

spoken_line() { # spoken_line <text>: the number of the first log line holding it
  grep -n -F -- "$1" "$ORTELIA_SPEECH_LOG" 2>/dev/null | head -n1 | cut -d: -f1 || true
}
for _ in $(seq 1 100); do
  [ -n "$(spoken_line "$second")" ] && break
  sleep 0.1
done
import -window root "$screenshot"
at_first="$(spoken_line "$first")"
at_second="$(spoken_line "$second")"
[ -n "$at_first" ] && [ -n "$at_second" ] && [ "$at_first" -lt "$at_second" ] \
  || fail "\"$first\" and then \"$second\" were not spoken"
echo "e2e_dictation: passed"
