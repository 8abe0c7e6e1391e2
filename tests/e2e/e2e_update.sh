#!/usr/bin/env bash
# usage: e2e_update.sh <assembled program folder> <screenshot file>
# Publishes the program's dictionaries with "ortelia publish-updates", serves them with Python's
# static web server on 127.0.0.1, and opens the update window with automatic loading on: the
# stored copy of the list must arrive within 5 s.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

port="$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
./ortelia publish-updates "$work/site" "http://127.0.0.1:$port/" 20991231 >/dev/null
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/site" >"$work/server.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 1 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done

printf '0\r\n' >syso/optionen.chk
printf ' 1 \r\n 0 \r\n' >syso/optionen1.chk
rm -f TranslateDeGb/update.chk
export ORTELIA_UPDATE_SERVER="http://127.0.0.1:$port/"

start_program --window up1
find_window '^Wörterbuch Update Fenster $'
for _ in $(seq 1 50); do
  [ -s TranslateDeGb/update.chk ] && break
  sleep 0.1
done
import -window root "$screenshot"
[ -s TranslateDeGb/update.chk ] || fail "no stored list within 5 s"
head -c 9 TranslateDeGb/update.chk | grep -q '^"Ortelia' || fail "the stored list is not the quoted list"
tail -c 9 TranslateDeGb/update.chk | grep -q 'Ende#"' || fail "the stored list lacks its end marker"
grep -q "GET /ortelia-translator/update/1/update1.txt" "$work/server.log" || fail "the server saw no request"
kill "$program" 2>/dev/null || true
echo "e2e_update: passed"
