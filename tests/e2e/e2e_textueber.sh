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

pattern="$(spoken_pattern ich habe ein haus)" || fail "the page knows none of the words"
wait_spoken "$pattern" "the result list"
echo "e2e_textueber: passed"
