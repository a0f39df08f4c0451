#!/usr/bin/env bash
# reset_networks.cmd as the network repair writes it: git keeps its bytes,
# and run once by Wine's own command interpreter (whose ipconfig and netsh
# change nothing) it echoes its eleven command lines, each after the prompt
# of its working directory, in their order, and ends without waiting.
source "$(dirname "$0")/lib.sh"

SCRIPT="$DRAVELIN_SOURCE/scripts/reset_networks.cmd"
[ -s "$SCRIPT" ] || fail "scripts/reset_networks.cmd is missing"
if git -C "$DRAVELIN_SOURCE" rev-parse --git-dir >/dev/null 2>&1; then
  expect_eq "$(git -C "$DRAVELIN_SOURCE" check-attr text -- scripts/reset_networks.cmd | sed 's/.*: //')" \
    unset "git's text attribute of scripts/reset_networks.cmd"
  git -C "$DRAVELIN_SOURCE" cat-file blob HEAD:scripts/reset_networks.cmd 2>/dev/null | cmp -s - "$SCRIPT" \
    && pass "git stores the bytes of scripts/reset_networks.cmd as they are" \
    || fail "the stored scripts/reset_networks.cmd differs from the file"
fi

session_start
WORK=$(mktemp -d)
trap 'rc=$?; rm -rf "$WORK"; (exit $rc); session_end' EXIT
cp "$SCRIPT" "$WORK/reset_networks.cmd"
rc=0
( cd "$WORK" && timeout 120 "$WINE" cmd /c reset_networks.cmd </dev/null >"$WORK/out" 2>/dev/null ) || rc=$?
[ "$rc" != 124 ] || fail "the script did not end on its own"
prompt="$(winpath "$WORK")>"
# Each echoed command: the prompt, the line, and the blank Wine's cmd adds.
echoed=$(iconv -f GBK -t UTF-8 "$WORK/out" | tr -d '\r' | grep -F "$prompt" | sed "s/^.*>//; s/ \$//")
expect_eq "$echoed" "$(tr -d '\r' <"$SCRIPT")" "the eleven command lines are echoed in order"
expect_eq "$(grep -c . <<<"$echoed")" 11 "eleven commands ran"
