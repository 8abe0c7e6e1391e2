#!/usr/bin/env bash
# usage: e2e_translator.sh <assembled program folder> <screenshot file>
# Starts the program in a copy of its folder under Xvfb and drives it as a user would.
set -euo pipefail

program_dir="$1"
screenshot="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$program_dir" "$work/Ortelia"
cd "$work/Ortelia"

if [ -z "${ORTELIA_E2E_INNER:-}" ]; then
  export ORTELIA_E2E_INNER=1
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

export ORTELIA_SPEECH_LOG="$work/speech.log"
export ORTELIA_AUDIO=null
export ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}"
./ortelia >"$work/program.log" 2>&1 &
program=$!

fail() {
  echo "FAIL: $*"
  import -window root "$screenshot" 2>/dev/null || true
  echo "--- program output"; cat "$work/program.log" || true
  echo "--- speech log"; cat "$ORTELIA_SPEECH_LOG" 2>/dev/null || true
  kill "$program" 2>/dev/null || true
  exit 1
}

# The shaped window, found by its caption.
window=""
for _ in $(seq 1 200); do
  window="$(xdotool search --onlyvisible --name '^Ortelia Zuzadivi Zeverovazur$' 2>/dev/null | head -n1 || true)"
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || fail "the program ended at start"
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled \"Ortelia Zuzadivi Zeverovazur\""
sleep 0.5

click() { # click <x> <y> inside the window
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.3
}

# Waits up to 2 s for erkennung.txt to end with the word and the speech log to hold it.
heard() {
  local word="$1"
  for _ in $(seq 1 20); do
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

click 480 94                # "Land?"
click 440 155               # "Deutsch-Frazösisch"
type_and_enter "Haus"
heard "maison" || fail "\"maison\" was not spoken after \"Haus\" in German-French"

xdotool key Escape
for _ in $(seq 1 50); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program" 2>/dev/null && fail "Esc did not end the program"
echo "e2e_translator: passed"
