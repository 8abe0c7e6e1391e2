# What the end-to-end scripts share: a copy of the program folder, Xvfb, the program started with
# its speech log, finding a window by caption, clicking into it, failing with a screenshot.
# Sourced by a script called as: <script> <assembled program folder> <screenshot file>.

program_dir="$1"
screenshot="$2"

if [ -z "${ORTELIA_E2E_INNER:-}" ]; then
  export ORTELIA_E2E_INNER=1
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  # Xvfb chooses a free display itself and names it on a pipe: "xvfb-run -a" guesses from lock
  # files and can pick a display whose server is still going away. A display that does not take
  # a client (another server answering under the same name) is given up for one further on.
  # -noreset: a server resets when its last client leaves, and the check below is such a client;
  # the program connecting during that reset found no display.
  for attempt in 1 2 3 4 5; do
    if [ "$attempt" = 1 ]; then
      fifo="$(mktemp -u)"
      mkfifo "$fifo"
      Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$fifo" 2>/dev/null &
      xvfb=$!
      read -r display <"$fifo"
      rm -f "$fifo"
    else
      display=$((100 + RANDOM % 800))
      Xvfb ":$display" -noreset -nolisten tcp -screen 0 1280x1024x24 2>/dev/null &
      xvfb=$!
    fi
    for _ in $(seq 1 30); do
      DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
      sleep 0.1
    done
    echo "display :$display does not take a client; another one" >&2
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  done
  rc=0
  DISPLAY=":$display" bash "$0" "$@" || rc=$?
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  exit "$rc"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$program_dir" "$work/Ortelia"
cd "$work/Ortelia"

export ORTELIA_SPEECH_LOG="$work/speech.log"
export ORTELIA_AUDIO=null
export ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}"

start_program() { # start_program [program arguments...]
  ./ortelia "$@" >"$work/program.log" 2>&1 &
  program=$!
}

fail() {
  echo "FAIL: $*"
  import -window root "$screenshot" 2>/dev/null || true
  echo "--- program output"; cat "$work/program.log" || true
  echo "--- speech log"; cat "$ORTELIA_SPEECH_LOG" 2>/dev/null || true
  kill "$program" 2>/dev/null || true
  exit 1
}

find_window() { # find_window <caption regex>: sets $window
  window=""
  for _ in $(seq 1 200); do
    window="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    kill -0 "$program" 2>/dev/null || fail "the program ended at start"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled \"$1\""
  sleep 0.5
}

click() { # click <x> <y> inside $window
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.3
}

# spoken_pattern <word>...: what the DeEn page answers for each word, in order, as one pattern over
# a spoken line (words the page does not know are left out); fails when it knows none of them.
spoken_pattern() {
  local pattern="" word answer
  for word in "$@"; do
    answer="$(./ortelia lookup --pair DeEn "$word" 2>/dev/null | head -n1 || true)"
    [ -n "$answer" ] && pattern="$pattern.*$answer"
  done
  [ -n "$pattern" ] && echo "$pattern"
}

# wait_spoken <pattern> <what>: waits up to 15 s for the speech log to hold the pattern, then
# takes the screenshot.
wait_spoken() {
  for _ in $(seq 1 150); do
    grep -q -- "$1" "$ORTELIA_SPEECH_LOG" 2>/dev/null && break
    sleep 0.1
  done
  import -window root "$screenshot"
  grep -q -- "$1" "$ORTELIA_SPEECH_LOG" 2>/dev/null || fail "$2 was not read aloud ($1)"
}

end_program() { # Esc in $window, then the program must end
  xdotool key Escape
  for _ in $(seq 1 50); do
    kill -0 "$program" 2>/dev/null || return 0
    sleep 0.1
  done
  fail "Esc did not end the program"
}
