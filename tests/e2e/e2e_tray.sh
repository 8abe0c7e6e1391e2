#!/usr/bin/env bash
# usage: e2e_tray.sh <assembled program folder> <screenshot file>
# Starts the program, then starts it a second time with --window supertrans1: the second start
# hands its request to the first and ends with 0, the first shows "Listen-Translator", and one
# program keeps running. Then "ortelia install" writes a launcher that desktop-file-validate takes.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

start_program
find_window '^Ortelia Zuzadivi Zeverovazur$'

./ortelia --window supertrans1 >"$work/second.log" 2>&1 &
second=$!
for _ in $(seq 1 300); do
  kill -0 "$second" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$second" 2>/dev/null && fail "the second start did not end"
wait "$second" || fail "the second start ended with $? ($(cat "$work/second.log"))"

find_window '^Listen-Translator$'
kill -0 "$program" 2>/dev/null || fail "the first program ended"
import -window root "$screenshot"

export XDG_DATA_HOME="$work/share"
./ortelia install >/dev/null || fail "ortelia install failed"
[ -f "$XDG_DATA_HOME/icons/hicolor/scalable/apps/ortelia.svg" ] || fail "no icon installed"
desktop-file-validate "$XDG_DATA_HOME/applications/ortelia.desktop" || fail "the launcher is not valid"
grep -q "^Exec=\"$PWD/ortelia\" --window supertrans1$" "$XDG_DATA_HOME/applications/ortelia.desktop" ||
  fail "the launcher does not start this program"
./ortelia uninstall >/dev/null
[ ! -e "$XDG_DATA_HOME/applications/ortelia.desktop" ] || fail "ortelia uninstall left the launcher"

# No window manager: the keys go to the window under the pointer, and the list translator may lie
# over the main window; its Esc closes it, the next one ends the program.
find_window '^Ortelia Zuzadivi Zeverovazur$'
for _ in 1 2; do
  xdotool mousemove --window "$window" 278 170 key Escape
  sleep 1
  kill -0 "$program" 2>/dev/null || break
done
end_program
echo "e2e_tray: passed"
