# Shared by every test script that runs Windows programs under Wine.
# Each test has a Wine session of its own: a private Xvfb display, a
# wineserver for the build's prefix, and a teardown that ends both.
set -euo pipefail

: "${DRAVELIN_BUILD:?DRAVELIN_BUILD must name the build folder}"
DRAVELIN_SOURCE=${DRAVELIN_SOURCE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
# This machine runs no 32-bit Linux programs, so there is no 32-bit Wine:
# the tests run the x86_64 build of the same sources under Wine's 64-bit
# loader, called directly (the wine wrapper script would pick the 32-bit one).
WINE=/usr/lib/wine/wine64
export WINELOADER=$WINE
export WINEPREFIX="$DRAVELIN_BUILD/wineprefix"
export WINEARCH=win64
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
HELPERS="$DRAVELIN_BUILD/tests/helpers"
DRAVELIN_EXE="$DRAVELIN_BUILD/Dravelin.exe"

XVFB_PID=
SESSION_TMP=

# session_start [width height]: a display and a warm wineserver.
session_start() {
  local width=${1:-1920} height=${2:-1080}
  SESSION_TMP=$(mktemp -d)
  exec 9>"$SESSION_TMP/display"
  Xvfb -displayfd 9 -screen 0 "${width}x${height}x24" -nolisten tcp -noreset \
    >"$SESSION_TMP/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec 9>&-
  local i
  for i in $(seq 100); do
    [ -s "$SESSION_TMP/display" ] && break
    sleep 0.1
  done
  [ -s "$SESSION_TMP/display" ] || fail "Xvfb did not start: $(cat "$SESSION_TMP/xvfb.log")"
  export DISPLAY=":$(tr -d '\n' <"$SESSION_TMP/display")"
  trap session_end EXIT
  # Wine's background processes keep the output pipes of whatever starts
  # them first: start them here, with their output sent away.
  mkdir -p "$WINEPREFIX"
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1 || fail "wineserver did not start"
  timeout 120 "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || fail "Wine did not start"
}

# session_stop: ends the session's Wine processes and its display.
session_stop() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
  XVFB_PID=
  [ -n "$SESSION_TMP" ] && rm -rf "$SESSION_TMP"
  SESSION_TMP=
}

session_end() {
  local rc=$?
  trap - EXIT
  session_stop
  exit $rc
}

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

# expect_eq ACTUAL EXPECTED WHAT
expect_eq() {
  if [ "$1" != "$2" ]; then fail "$3: expected [$2], got [$1]"; fi
  pass "$3"
}

# wait_until SECONDS COMMAND...: polls COMMAND until it succeeds.
wait_until() {
  local limit=$1; shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# The Windows path of a Unix path, through Wine's Z: drive.
winpath() { local p; p=$(realpath -m "$1"); printf 'Z:%s' "${p//\//\\}"; }

# Runs a helper program of the tests' own; its output is ASCII.
helper() { local name=$1; shift; timeout 60 "$WINE" "$HELPERS/$name.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

# start_program EXE [WORKDIR]: starts a program in the background; its exit
# code is collected by wait_program.
PROGRAM_PID=
start_program() {
  local exe=$1 dir=${2:-$DRAVELIN_BUILD}
  ( cd "$dir" && exec timeout 300 "$WINE" "$exe" </dev/null >/dev/null 2>&1 ) &
  PROGRAM_PID=$!
}

# wait_program SECONDS: waits for the program started last and sets
# PROGRAM_RC to its exit code; fails when it does not end in time. (Not in a
# command substitution: a subshell cannot wait for the program.)
PROGRAM_RC=
wait_program() {
  local limit=$1 deadline=$((SECONDS + $1))
  while kill -0 "$PROGRAM_PID" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "the program did not end within ${limit}s"
    sleep 0.1
  done
  PROGRAM_RC=0
  wait "$PROGRAM_PID" || PROGRAM_RC=$?
  PROGRAM_PID=
}

# The X window of a title (UTF-8), waiting for it to appear.
x_window() { timeout "${2:-60}" xdotool search --sync --name "^$1\$" 2>/dev/null | head -n 1; }

# field KEY LINE: the value of KEY=value in one line of helper output.
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<" $2" | head -n 1; }

# The code page 936 bytes of a UTF-8 text, as upper-case hex.
gbk_hex() { printf '%s' "$1" | iconv -f UTF-8 -t GBK | od -An -tx1 -v | tr -d ' \n' | tr 'a-f' 'A-F'; }

# The report line of the control with a child identifier (first match).
child_line() { grep -m1 -E "^child depth=[0-9]+ id=$1 " <<<"$2" || true; }

# The identifier of the control that holds the focus (the pane's for a window
# inside the pane) in a window report.
focus_id() { field control "$(grep '^focus ' <<<"$1")"; }
