#!/usr/bin/env bash
# usage: tools/screenshots.sh <assembled program folder> <output folder> [window...]
# Opens each window of the program ("--window NAME", default: all of them) under Xvfb at 1280x1024
# with openbox as window manager and saves the whole screen as <output folder>/<window>.png, to be
# looked at for cut captions, overlapping controls and windows that leave the screen.
# Needs the Debian packages xvfb, openbox, xdotool, x11-utils and imagemagick.
set -euo pipefail

program_dir="$(cd "$1" && pwd)"
out="$(mkdir -p "$2" && cd "$2" && pwd)"
shift 2
windows=("$@")
[ ${#windows[@]} -gt 0 ] || windows=(Form3 hilfe1 TextUeberA Speaking supertrans1 worter1 arabisch1 Logox4 up1 zeit)

work="$(mktemp -d)"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
for _ in $(seq 1 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
openbox=$!
trap 'kill $openbox $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export ORTELIA_AUDIO=null ASAN_OPTIONS="detect_leaks=0:${ASAN_OPTIONS:-}"
unset QT_QPA_PLATFORM

for name in "${windows[@]}"; do
  rm -rf "$work/Ortelia"
  cp -r "$program_dir" "$work/Ortelia"
  (cd "$work/Ortelia" && exec ./ortelia --window "$name" >"$out/$name.log" 2>&1) &
  program=$!
  # The program is up when its windows stop appearing: wait for two quiet seconds.
  last="" quiet=0
  for _ in $(seq 1 300); do
    now="$(xdotool search --onlyvisible --name . 2>/dev/null | sort | tr '\n' ' ' || true)"
    if [ -n "$now" ] && [ "$now" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0; fi
    [ "$quiet" -ge 20 ] && break
    last="$now"
    sleep 0.1
  done
  import -window root "$out/$name.png"
  echo "$name: $out/$name.png"
  # Where each window's inside lies (the frame adds a few pixels), to compare with the screen.
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
    echo "  $(xdotool getwindowname "$id"): $(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF}
      /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF}
      END {printf "%d,%d to %d,%d", x, y, x + w, y + h}')"
  done
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
done
