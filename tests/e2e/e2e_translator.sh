#!/usr/bin/env bash
# usage: e2e_translator.sh <assembled program folder> <screenshot file>
# Starts the program in a copy of its folder under Xvfb and drives it as a user would.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

start_program
find_window '^Ortelia Zuzadivi Zeverovazur$'

# Waits up to 5 s (a loaded machine is slow) for erkennung.txt to end with the word and the speech log to hold it.
heard() {
  local word="$1"
  for _ in $(seq 1 50); do
    if [ -f erkennung.txt ] && [ "$(tail -n1 erkennung.txt | tr -d '\r')" = "$word" ] &&
       grep -q "$word" "$ORTELIA_SPEECH_LOG" 2>/dev/null; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

type_and_enter() {
  click 160 94              # the upper field of the translator
  xdotool key ctrl+a BackSpace
  xdotool type --delay 60 "$1"
  xdotool key Return
}

click 77 62                 # "&Translator:"
type_and_enter "Hallo"
heard "hello" || fail "\"hello\" was not spoken after \"Hallo\""
import -window root "$screenshot"

# A word without entry: automatic reading (F11) reads the suggestions that stand in its place.
xdotool key F11
type_and_enter "bahnhoff"
for _ in $(seq 1 50); do
  grep -q "Meinten Sie: bahnhof" "$ORTELIA_SPEECH_LOG" 2>/dev/null && break
  sleep 0.1
done
grep -q "Meinten Sie: bahnhof" "$ORTELIA_SPEECH_LOG" || fail "the suggestions for \"bahnhoff\" were not read aloud"
xdotool key F8

# The first letters, Down and Enter: the first word of the list under the field is looked up.
click 160 94
xdotool key ctrl+a BackSpace
xdotool type --delay 60 "bahnho"
xdotool key Down Return
heard "station" || fail "\"station\" was not spoken after picking \"bahnhof\" from the word list"

click 480 94                # "Land?"
click 440 155               # "Deutsch-Frazösisch"
type_and_enter "Haus"
heard "maison" || fail "\"maison\" was not spoken after \"Haus\" in German-French"

end_program
echo "e2e_translator: passed"
