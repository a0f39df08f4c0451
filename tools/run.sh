#!/usr/bin/env bash
# Shows Dravelin under Wine. With a DISPLAY it runs there until closed;
# without one it starts its own virtual display, waits for the window,
# saves a screenshot, closes the window with Esc and reports the exit code.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/tests/e2e/prepare-prefix.sh" >/dev/null
source "$here/tests/e2e/lib.sh"
SCREENSHOT=${SCREENSHOT:-$DRAVELIN_BUILD/screenshot.png}

if [ -n "${DISPLAY:-}" ]; then
  wineserver -p </dev/null >/dev/null 2>&1 || true
  rc=0
  timeout 3600 "$WINE" "$DRAVELIN_EXE" || rc=$?
  echo "Dravelin exited with code $rc"
  exit 0
fi

session_start 1920 1080
start_program "$DRAVELIN_EXE"
helper window_report wait Dravelin 60 || fail "the window did not appear"
sleep 2  # let every control paint
import -window root -crop 362x342+779+369 "$SCREENSHOT"
echo "screenshot: $SCREENSHOT"
xdotool key Escape
wait_program 30
echo "Dravelin exited with code $PROGRAM_RC"
