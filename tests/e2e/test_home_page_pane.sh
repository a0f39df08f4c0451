#!/usr/bin/env bash
# The running program's home page pane with Wine's real browser control: its
# place, the control's window inside it, the keyboard in and out of it, and
# closing while the start page is still loading (under Wine, with no HTML
# engine installed, it never finishes).
source "$(dirname "$0")/lib.sh"
session_start

start_program "$DRAVELIN_EXE"
helper window_report wait Dravelin 60 || fail "the main window did not appear"

report=$(helper window_report window Dravelin)
# field LINE NAME: the value of NAME=... in a window report line.
field() { sed -n "s/.* $2=\([^ ]*\).*/\1/p" <<<"$1"; }

pane=$(grep '^child depth=1 id=190 ' <<<"$report") || fail "no pane (child id 190): $report"
expect_eq "$(field "$pane" class)" "Dravelin.HomePage" "pane window class"
expect_eq "$(field "$pane" x),$(field "$pane" y) $(field "$pane" w)x$(field "$pane" h)" \
  "0,224 352x88" "pane place and size"
# WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP: no border or scroll bar,
# so its client area is its whole 352 x 88.
expect_eq "$(field "$pane" style)" "0x54010000" "pane style"

# The pane's own descendants: the lines after it, up to its next sibling.
inside=$(awk '/^child depth=1 id=190 /{on=1; next} on && /^child depth=1 /{on=0} on' <<<"$report")
children=$(grep '^child depth=2 ' <<<"$inside")
expect_eq "$(wc -l <<<"$children")" "1" "the pane has one child window"
expect_eq "$(field "$children" id)" "59648" "the browser control's window has child id 0xE900"
expect_eq "$(field "$children" x),$(field "$children" y) $(field "$children" w)x$(field "$children" h)" \
  "0,0 352x88" "the browser control's window covers the pane"
expect_eq "$(field "$children" style)" "0x50000000" "the browser control's window is WS_CHILD | WS_VISIBLE"
embedding=$(grep '^child depth=3 .* class=Shell Embedding ' <<<"$inside") ||
  fail "Wine's browser control has no window inside the pane: $inside"
expect_eq "$(wc -l <<<"$embedding")" "1" "one control window"
expect_eq "$(field "$embedding" x),$(field "$embedding" y) $(field "$embedding" w)x$(field "$embedding" h)" \
  "0,0 352x88" "the control fills its window"
embedding_hwnd=$(field "$embedding" hwnd)

hwnd_of_id() { field "$(grep "^child depth=[0-9]* id=$1 " <<<"$report")" hwnd; }
button2=$(hwnd_of_id 110)
button1=$(hwnd_of_id 150)
focus_hwnd() { helper window_report window Dravelin | sed -n 's/^focus .* hwnd=\(0x[0-9A-F]*\)$/\1/p'; }
focus_is() { [ "$(focus_hwnd)" = "$1" ]; }
press() { timeout 10 xdotool key "$@" || fail "xdotool key $*"; }

# The window answers the keyboard although the page never loads.
wait_until 20 focus_is "$button2" || fail "the focus did not start on 按钮2: $(focus_hwnd)"
press Tab Tab
wait_until 20 focus_is "$button1" || fail "two Tabs did not reach 按钮1: $(focus_hwnd)"
press Tab
wait_until 20 focus_is "$embedding_hwnd" ||
  fail "Tab from 按钮1 did not put the focus in the control's window: $(focus_hwnd)"
pass "Tab from 按钮1 focuses Wine's control window (Shell Embedding) inside the pane"
# Wine's control declines Tab (there is no document to move through), so the
# window's own rule applies: on to the first control, wrapping round.
press Tab
wait_until 20 focus_is "$button2" || fail "Tab inside the browser did not go on to 按钮2: $(focus_hwnd)"
pass "Tab inside the browser goes on to 按钮2"
press shift+Tab
wait_until 20 focus_is "$embedding_hwnd" || fail "Shift+Tab from 按钮2 did not go back into the browser: $(focus_hwnd)"
pass "Shift+Tab from 按钮2 goes back into the browser"

# Esc inside the browser is declined too and closes the window while the
# page is still loading: the process ends with 0 (a message box would hold
# it open past the wait).
press Escape
wait_program 30
expect_eq "$PROGRAM_RC" "0" "exit code after Esc inside the loading browser"
