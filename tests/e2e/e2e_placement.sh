#!/usr/bin/env bash
# usage: e2e_placement.sh <assembled program folder> <screenshot file>
# Every window opens wholly on the 1280x1024 screen, frame included, with a window manager
# (openbox) placing it: the program is started, and each window is then opened by name as a second
# start does ("ortelia --window NAME"); after each, every window on the screen must lie within it.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/e2e_common.sh"

openbox >/dev/null 2>&1 &
manager=$!
for _ in $(seq 1 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
start_program
find_window "Ortelia Zuzadivi Zeverovazur"

# on_screen: every visible window's frame (its inside plus the frame the manager reports) lies on
# the screen; fails naming the first that does not.
on_screen() {
  local id name x y w h extents l r t b
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    name="$(xdotool getwindowname "$id")"
    read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF}
      /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
    extents="$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9]*, [0-9]*, [0-9]*, [0-9]*' || true)"
    IFS=', ' read -r l r t b <<<"${extents:-0, 0, 0, 0}"
    if [ $((x - l)) -lt 0 ] || [ $((y - t)) -lt 0 ] || [ $((x + w + r)) -gt 1280 ] || [ $((y + h + b)) -gt 1024 ]; then
      fail "\"$name\" after $1 lies partly off the screen: $((x - l)),$((y - t)) to $((x + w + r)),$((y + h + b))"
    fi
  done
}

on_screen "the start"
for name in hilfe1 TextUeberA Speaking supertrans1 worter1 arabisch1 Logox4 up1 zeit; do
  before="$(xdotool search --onlyvisible --name . 2>/dev/null | sort | tr '\n' ' ')"
  ./ortelia --window "$name" >>"$work/program.log" 2>&1 || fail "the second start with --window $name"
  for _ in $(seq 1 100); do
    now="$(xdotool search --onlyvisible --name . 2>/dev/null | sort | tr '\n' ' ')"
    [ "$now" != "$before" ] && break
    sleep 0.1
  done
  sleep 1.5 # the window manager has placed it, and the program may have moved it since
  on_screen "--window $name"
done
import -window root "$screenshot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
kill "$manager" 2>/dev/null || true
echo "e2e_placement: passed"
