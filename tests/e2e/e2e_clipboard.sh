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

pattern="$(spoken_pattern guten morgen)" || fail "the page knows none of the words"
wait_spoken "$pattern" "the translation"
echo "e2e_clipboard: passed"
