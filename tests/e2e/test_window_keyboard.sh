#!/usr/bin/env bash
# Real keys and clicks through X: Tab and Shift+Tab with wrap-around, the
# focus kept across deactivation, a frame that neither sizes nor maximises,
# and every way of closing ending the process with exit code 0.
source "$(dirname "$0")/lib.sh"
session_start 1920 1080

report() { helper window_report window Dravelin; }
focus_now() { focus_id "$(report)"; }
has_focus() { [ "$(focus_now)" = "$1" ]; }
in_front() { [ "$(field this "$(report | grep '^foreground ')")" = "$1" ]; }
window_count() { [ "$(xdotool search --name '^Dravelin$' 2>/dev/null | wc -l)" -ge "$1" ]; }
notepad_up() { [ -n "$(xdotool search --name '记事本' 2>/dev/null | head -n1)" ]; }
# Waits for the focus to reach a control, for keys are handled asynchronously.
expect_focus() {
  wait_until 10 has_focus "$1" || true
  expect_eq "$(focus_now)" "$1" "$2"
}
click_frame() {  # click_frame HITCODE [clicks]
  local point
  point=$(helper window_report hit Dravelin "$1")
  [ "${point%% *}" = point ] || fail "no frame point with hit-test code $1"
  xdotool mousemove "$(field x "$point")" "$(field y "$point")" click --repeat "${2:-1}" 1
}
start_dravelin() {
  start_program "$DRAVELIN_EXE"
  helper window_report wait Dravelin 60 || fail "no Dravelin window"
  expect_focus 110 "focus on the one-click IE button after start"
}

start_dravelin
# 按钮2 (110), 按钮3 (130), 按钮1 (150), the pane (190), and round again.
for want in 130 150 190 110; do
  xdotool key Tab
  expect_focus "$want" "Tab moves to $want"
done
for want in 190 150 130 110; do
  xdotool key shift+Tab
  expect_focus "$want" "Shift+Tab moves back to $want"
done

xdotool key F1 Return
sleep 1
expect_eq "$(focus_now)" 110 "F1 and Enter leave the focus where it was"

# Another program takes the activation; a click on the title bar gives it back.
xdotool key Tab
expect_focus 130 "focus on the network button"
( cd "$DRAVELIN_BUILD" && exec timeout 120 "$WINE" notepad </dev/null >/dev/null 2>&1 ) &
NOTEPAD=$!
wait_until 30 notepad_up || fail "notepad did not come up"
wait_until 10 in_front 0 || fail "Dravelin stayed in front of notepad"
pass "another window took the activation"
click_frame 2
wait_until 10 in_front 1 || fail "a click on the title bar did not activate Dravelin"
expect_focus 130 "the focus came back to the network button"
kill "$NOTEPAD" 2>/dev/null || true

# No sizing frame anywhere, and a drag on the edge or a double click on the
# title bar leaves the size alone.
[ "$(helper window_report hit Dravelin 11)" = none ] || fail "the right edge can size the window"
[ "$(helper window_report hit Dravelin 17)" = none ] || fail "the corner can size the window"
line=$(report | grep '^window ')
right=$(( $(field x "$line") + 361 )); middle=$(( $(field y "$line") + 171 ))
xdotool mousemove "$right" "$middle" mousedown 1 mousemove $((right + 60)) $((middle + 40)) mouseup 1
click_frame 2 2
sleep 1
line=$(report | grep '^window ')
expect_eq "$(field w "$line")x$(field h "$line")" 362x342 "size after dragging the edge and double-clicking the title"
expect_eq "$(( $(field style "$line") & 0x01000000 ))" 0 "not maximised"

# Esc from the manual settings button closes the window.
click_frame 2
xdotool key Tab
expect_focus 150 "focus on the manual settings button"
xdotool key Escape
wait_program 30
expect_eq "$PROGRAM_RC" 0 "exit code after Esc"

start_dravelin
xdotool key alt+F4
wait_program 30
expect_eq "$PROGRAM_RC" 0 "exit code after Alt+F4"

start_dravelin
click_frame 20
wait_program 30
expect_eq "$PROGRAM_RC" 0 "exit code after the close box"

# Two starts are two windows in two processes.
start_program "$DRAVELIN_EXE"; FIRST=$PROGRAM_PID
helper window_report wait Dravelin 60 || fail "no first window"
start_program "$DRAVELIN_EXE"; SECOND=$PROGRAM_PID
wait_until 60 window_count 2 || fail "the second start showed no window of its own"
expect_eq "$(xdotool search --name '^Dravelin$' | wc -l)" 2 "two Dravelin windows"
for pid in $SECOND $FIRST; do
  PROGRAM_PID=$pid
  click_frame 20
  wait_program 30
  expect_eq "$PROGRAM_RC" 0 "each process ends with exit code 0"
done
