#!/usr/bin/env bash
# "ortelia lookup hallo" and "ortelia lookup --foreign hello" as whole processes, beside the dictd
# client answering the same word from the same FreeDict data (a private dictd on a spare local
# port), and two forms the dictionary lacks, answered with their base form's entry ("getötet"
# töten by rule, "aufgestanden" aufstehen through the form table's "gestanden"). All take turns
# in every round, so that other work on the machine weighs on each alike. Medians of N rounds
# (default 31).
set -uo pipefail
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
EXE="$HERE/../Ortelia/ortelia"
N="${N:-31}"
FREEDICT="${FREEDICT:-/usr/share/dictd}"
PORT="${DICTD_PORT:-26280}"

# Median of times in seconds, printed in milliseconds.
median_ms() {
  sort -n | awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m * 1000}'
}
# Appends the run's wall time in seconds to the file $1. Bash's own clock around the one child
# process: starting another program (date) to read the clock would add its start to every figure.
time_run() {
  local out="$1" TIMEFORMAT='%3R'
  shift
  { time "$@" >/dev/null 2>&1; } 2>>"$out"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
compare=no
if command -v dictd >/dev/null && command -v dict >/dev/null; then
  cat >"$work/dictd.conf" <<CONF
global { listen_to 127.0.0.1 port $PORT }
database fd-deu-eng { data "$FREEDICT/freedict-deu-eng.dict.dz" index "$FREEDICT/freedict-deu-eng.index" }
CONF
  chmod 755 "$work"
  touch "$work/dictd.log"
  chmod 666 "$work/dictd.log"
  dictd -c "$work/dictd.conf" -L "$work/dictd.log" --pid-file "$work/dictd.pid"
  for _ in $(seq 100); do
    if dict -h localhost -p "$PORT" -d fd-deu-eng hallo 2>/dev/null | grep -q Hello; then
      compare=yes
      break
    fi
    sleep 0.1
  done
  [ "$compare" = yes ] || echo "dictd did not answer on port $PORT: no comparison"
else
  echo "dictd or dict not installed: no comparison"
fi

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$EXE" lookup hallo >/dev/null 2>&1  # warm the file cache and write the index beside DeEn
"$EXE" lookup --foreign hello >/dev/null 2>&1
for _ in $(seq "$N"); do
  time_run "$work/ortelia" "$EXE" lookup hallo
  time_run "$work/foreign" "$EXE" lookup --foreign hello
  time_run "$work/killed" "$EXE" lookup getötet
  time_run "$work/stood" "$EXE" lookup aufgestanden
  [ "$compare" = yes ] && time_run "$work/dict" dict -h localhost -p "$PORT" -d fd-deu-eng hallo
done
[ -s "$work/dictd.pid" ] && kill "$(cat "$work/dictd.pid")"

ortelia_ms=$(median_ms <"$work/ortelia")
foreign_ms=$(median_ms <"$work/foreign")
killed_ms=$(median_ms <"$work/killed")
stood_ms=$(median_ms <"$work/stood")
echo "ortelia lookup hallo:                       median ${ortelia_ms} ms (${N} runs)"
echo "ortelia lookup --foreign hello:             median ${foreign_ms} ms (${N} runs)"
echo "ortelia lookup getötet (base form):         median ${killed_ms} ms (${N} runs)"
echo "ortelia lookup aufgestanden (base form):    median ${stood_ms} ms (${N} runs)"
if [ "$compare" = yes ]; then
  dict_ms=$(median_ms <"$work/dict")
  echo "dict -h localhost -p $PORT -d fd-deu-eng hallo: median ${dict_ms} ms (${N} runs)"
  awk -v a="$ortelia_ms" -v f="$foreign_ms" -v k="$killed_ms" -v s="$stood_ms" -v b="$dict_ms" \
    'BEGIN { if (b > 0) printf "ratio ortelia / dict: %.2f, --foreign: %.2f, getötet: %.2f, aufgestanden: %.2f\n", a / b, f / b, k / b, s / b }'
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
