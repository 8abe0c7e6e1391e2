#!/usr/bin/env bash
# usage: e2e_list.sh <assembled program folder> <screenshot file>
# Opens the list translator from the command line, chooses DeEn in its dictionary panel, types
# "hau" into the lower field and presses Enter: the speech log has the translation of the line
# the search jumped to.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/e2e_common.sh"

start_program --window supertrans1
find_window '^Listen-Translator$'

# The line the search lands on: the first line beginning with "hau" in the last section that has
# one; its second field is what is read.
expected="$(awk 'BEGIN { RS = "\r\n"; s = 0 }
  $0 == "\\\\\\\\\\\\\\\\" { s++; next }
  !(s in first) && tolower(substr($0, 1, 3)) == "hau" { first[s] = $0 }
  END { last = -1; for (k in first) if (k + 0 > last) last = k + 0; split(first[last], f, ";"); print f[2] }' \
  TranslateDeGb/DeEn.txt)"
[ -n "$expected" ] || fail "DeEn holds no line beginning with hau"

sleep 3                                   # the load check puts the focus into the upper field
click 335 18                              # "&Land": the dictionary panel, its file list focused
xdotool type --delay 60 "DeEn"            # the file list jumps to DeEn.txt
xdotool key Return                        # take it and close the panel
sleep 5                                   # DeEn loads; a second later the load check takes the focus
click 100 76                              # the lower input field
xdotool type --delay 60 "hau"
xdotool key Return

for _ in $(seq 1 50); do
  grep -qF -- "$expected" "$ORTELIA_SPEECH_LOG" 2>/dev/null && break
  sleep 0.1
done
import -window root "$screenshot"
grep -qF -- "$expected" "$ORTELIA_SPEECH_LOG" 2>/dev/null || fail "the translation \"$expected\" was not read"
echo "e2e_list: passed"
