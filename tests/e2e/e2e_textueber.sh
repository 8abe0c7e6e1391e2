#!/usr/bin/env bash
# usage: e2e_textueber.sh <assembled program folder> <screenshot file>
# Opens the text translator from the command line, types a sentence, chooses reading aloud and
# starts the translation: the read-aloud list holds the page's answers word by word.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

start_program --window TextUeberA
find_window '^ Uebersetzungsfenster :  Text-Uebersetzer !$'

click 100 80                # the German input field
xdotool type --delay 40 "Ich habe ein Haus"
click 60 199                # "Anschließend vorlesen!"
click 57 157                # the start button "Deutsch"

# What the page answers for each word, in order, as a pattern over the spoken line.
pattern=""
for word in ich habe ein haus; do
  answer="$(./ortelia lookup --pair DeEn "$word" 2>/dev/null | head -n1 || true)"
  [ -n "$answer" ] && pattern="$pattern.*$answer"
done
[ -n "$pattern" ] || fail "the page knows none of the words"

for _ in $(seq 1 80); do
  grep -q -- "$pattern" "$ORTELIA_SPEECH_LOG" 2>/dev/null && break
  sleep 0.1
done
import -window root "$screenshot"
grep -q -- "$pattern" "$ORTELIA_SPEECH_LOG" 2>/dev/null || fail "the result list was not read aloud ($pattern)"
echo "e2e_textueber: passed"
