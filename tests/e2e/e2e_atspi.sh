#!/usr/bin/env bash
# usage: e2e_atspi.sh <assembled program folder> <screenshot file>
# The program's windows as a screen reader meets them: the program runs on a session bus of its own
# with the accessibility bus, and atspi_windows.py opens and walks each window over AT-SPI.
set -euo pipefail

if [ -z "${ORTELIA_E2E_BUS:-}" ]; then
  export ORTELIA_E2E_BUS=1
  exec dbus-run-session -- bash "$0" "$@"
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/e2e_common.sh"

# Qt reports to the accessibility bus only when asked; the bus itself is started on demand.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
start_program
# Debian's python3, which has pyatspi, whatever else comes first on the path.
/usr/bin/python3 "$here/atspi_windows.py" || fail "the screen reader check"
import -window root "$screenshot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "e2e_atspi: passed"
