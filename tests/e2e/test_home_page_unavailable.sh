#!/usr/bin/env bash
# Without the system's browser control the program cannot build its window:
# it shows the fatal box and exits with -1. Wine's control is ieframe.dll;
# disabling it for this run makes CoCreateInstance(CLSID_WebBrowser) fail.
source "$(dirname "$0")/lib.sh"
session_start
export WINEDLLOVERRIDES=ieframe=d

start_program "$DRAVELIN_EXE"
# The caption "错误" (the argument reaches the helper in code page 936).
helper window_report wait 错误 60 || fail "no fatal box"
box=$(helper window_report window 错误)
# "载入启动窗口失败" in code page 936.
grep -q '^child .* class=Static .* text=[0-9A-F]*D4D8C8EBC6F4B6AFB4B0BFDACAA7B0DC' <<<"$box" ||
  fail "the box does not say 载入启动窗口失败: $box"
pass "the fatal box says 载入启动窗口失败"
if helper window_report window Dravelin >/dev/null; then fail "the main window exists beside the fatal box"; fi
pass "no main window"
# The box's OK button has the focus.
timeout 10 xdotool key Return || fail "xdotool key Return"
wait_program 30
# ExitProcess(-1) reaches Linux as 255.
expect_eq "$PROGRAM_RC" "255" "exit code after the fatal box"
