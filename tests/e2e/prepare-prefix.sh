#!/usr/bin/env bash
# Creates the build's Wine prefix once, and applies the tests' registry
# settings (tests/e2e/prefix.d/*.reg) every time.
source "$(dirname "$0")/lib.sh"
session_start
if [ ! -f "$WINEPREFIX/.dravelin-ready" ]; then
  timeout 300 "$WINE" wineboot -i </dev/null >/dev/null 2>&1 || fail "wineboot failed"
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.dravelin-ready"
fi
for reg in "$DRAVELIN_SOURCE"/tests/e2e/prefix.d/*.reg; do
  [ -e "$reg" ] || continue
  sed "s|@HELPERS@|$(winpath "$HELPERS" | sed 's/\\/\\\\\\\\/g')|g" "$reg" >"$DRAVELIN_BUILD/prefix-$(basename "$reg")"
  timeout 60 "$WINE" regedit /S "$(winpath "$DRAVELIN_BUILD/prefix-$(basename "$reg")")" </dev/null >/dev/null 2>&1 \
    || fail "could not apply $reg"
done
timeout 60 wineserver -w || true
pass "prefix ready"
