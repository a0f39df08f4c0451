#!/usr/bin/env bash
# The three repair commands through real clicks and keys, with the shell of
# the test prefix handing every file it is asked to start to the probe
# (prefix.d/probes.reg, and ComSpec set for Dravelin): which file reached the
# shell by which verb, in which working directory and show state; what was
# written into the temporary folder; the confirmation box; the keys; no
# temporary folder; and an old script held open by another program, which
# must not be started.
source "$(dirname "$0")/lib.sh"
session_start 1920 1080

WORK=$(mktemp -d)
trap 'rc=$?; rm -rf "$WORK"; (exit $rc); session_end' EXIT
SCRIPTS="$DRAVELIN_SOURCE/scripts"
LOG="$WORK/probe.log"
PROBE_WIN=$(winpath "$HELPERS/probe.exe")
TEMP="$WORK/temp"
TEMP_WIN=$(winpath "$TEMP")
QUESTION=该操作将重置您的网络设定，是否继续？
mkdir -p "$TEMP" "$WORK/elsewhere"

# --- the probe's records -------------------------------------------------

decode() { xxd -r -p <<<"$1" | iconv -f GBK -t UTF-8; }
record_count() { if [ -f "$LOG" ]; then wc -l <"$LOG"; else echo 0; fi; }
record() { sed -n "${1}p" "$LOG"; }   # record N: the N-th line
# What started a record's probe: the applet, a .vbs by the default verb or
# by "open", or a .cmd through ComSpec.
kind_of() {
  local cmdline; cmdline=$(decode "$(field cmdline "$1")")
  case "$cmdline" in
    "\"$PROBE_WIN\" cpl "*) echo cpl ;;
    "\"$PROBE_WIN\" vbs-default "*) echo vbs-default ;;
    "\"$PROBE_WIN\" vbs-open "*) echo vbs-open ;;
    "$PROBE_WIN /s/c "*) echo cmd ;;
    *) echo "other: $cmdline" ;;
  esac
}
count_of() {  # count_of KIND
  local n=0 line
  [ -f "$LOG" ] || { echo 0; return; }
  while IFS= read -r line; do [ "$(kind_of "$line")" = "$1" ] && n=$((n + 1)); done <"$LOG"
  echo "$n"
}
count_above() { [ "$(count_of "$1")" -gt "$2" ]; }
# A running probe: a process whose program (not an argument) is the probe.
probe_regex() { printf '^"?%s( |"|$)' "$(sed 's/[.\\]/\\&/g' <<<"$PROBE_WIN")"; }
no_probe_running() { ! pgrep -f "$(probe_regex)" >/dev/null; }

# expect_record N KIND CMDLINE CWD WHAT: the N-th record in full.
expect_record() {
  local line; line=$(record "$1")
  [ -n "$line" ] || fail "$5: no record $1 from the probe"
  expect_eq "$(kind_of "$line")" "$2" "$5: started by"
  expect_eq "$(decode "$(field cmdline "$line")")" "$3" "$5: command line"
  expect_eq "$(decode "$(field cwd "$line")")" "$4" "$5: working directory"
  # STARTF_USESHOWWINDOW with SW_SHOWNORMAL: a normal window.
  expect_eq "$(field flags "$line") $(field show "$line")" "0x00000001 1" "$5: show state"
}
# The command lines the probe sees for each kind of start.
applet_line() { printf '"%s" cpl "C:\\windows\\system32\\inetcpl.cpl",' "$PROBE_WIN"; }
vbs_line() { printf '"%s" vbs-default "%s" ' "$PROBE_WIN" "$1"; }
cmd_line() { printf '%s /s/c ""%s""' "$PROBE_WIN" "$1"; }

# wait_record N WHAT: waits for the N-th record.
wait_record() {
  wait_until 30 eval '[ "$(record_count)" -ge '"$1"' ]' || fail "$2: nothing was started"
}

# settle: every input given so far has been handled, and whatever it
# started has written its record. Alt+H opens the applet without moving the
# focus; its record comes after whatever earlier keys and clicks started.
settle() {
  local before; before=$(count_of cpl)
  xdotool key alt+h
  wait_until 30 count_above cpl "$before" || fail "Alt+H started nothing"
  wait_until 30 no_probe_running || fail "a probe did not end"
}

# --- windows --------------------------------------------------------------

report() { helper window_report window "${1:-Dravelin}"; }
# control_rect TITLE ID: "X Y W H" of a control on the screen.
control_rect() {
  report "$1" | awk -v want="$2" '
    function val(k,   i) { for (i = 1; i <= NF; i++) if (index($i, k "=") == 1) return substr($i, length(k) + 2); return "" }
    /^window / { b = (val("w") - val("cw")) / 2; ox[0] = val("x") + b; oy[0] = val("y") + val("h") - val("ch") - b }
    /^child / { d = val("depth"); ox[d] = ox[d - 1] + val("x"); oy[d] = oy[d - 1] + val("y")
                if (val("id") == want && !found) { found = 1; print ox[d], oy[d], val("w"), val("h") } }'
}
click_control() {  # click_control TITLE ID
  local r; read -r -a r <<<"$(control_rect "$1" "$2")"
  [ ${#r[@]} -eq 4 ] || fail "no control $2 in the window $1"
  xdotool mousemove $((r[0] + r[2] / 2)) $((r[1] + r[3] / 2)) click 1
}
window_field() { field "$2" "$(report "$1" | grep '^window ')"; }
focus_now() { focus_id "$(report)"; }
has_focus() { [ "$(focus_now)" = "$1" ]; }
# Keys and activation are handled asynchronously: waits, then checks.
expect_focus() { wait_until 10 has_focus "$1" || true; expect_eq "$(focus_now)" "$1" "$2"; }
box_up() { helper window_report window "信息：" >/dev/null; }
box_gone() { ! box_up; }
wait_box() { wait_until 20 box_up || fail "$1: no confirmation box"; }
in_front() { [ "$(field this "$(report | grep '^foreground ')")" = 1 ]; }
# answer ID: clicks Yes (6) or No (7) and waits for the box to go. Wine
# activates no window when a box without owner closes (the main window is
# still disabled at that moment): a click on the title bar activates the
# main window again, as a user would, and it gives the focus back to the
# control that had it.
answer() {
  click_control "信息：" "$1"
  wait_until 20 box_gone || fail "the confirmation box stayed up"
  local point; point=$(helper window_report hit Dravelin 2)
  [ "${point%% *}" = point ] || fail "no title bar to click"
  xdotool mousemove "$(field x "$point")" "$(field y "$point")" click 1
  wait_until 10 in_front || fail "a click on the title bar did not activate Dravelin"
}

# start_dravelin EXE TMP: starts a Dravelin from another working directory,
# with TMP and ComSpec set in its environment, and waits for its window.
start_dravelin() {
  rm -f "$LOG"
  ( cd "$WORK/elsewhere" && PROBE_LOG=$(winpath "$LOG") exec timeout 600 "$WINE" \
      "$HELPERS/commands_start.exe" "TMP=$2" "ComSpec=$PROBE_WIN" -- "$(winpath "$1")" \
      </dev/null >/dev/null 2>&1 ) &
  PROGRAM_PID=$!
  helper window_report wait Dravelin 60 >/dev/null || fail "no Dravelin window"
  wait_until 20 has_focus 110 || fail "the focus did not start on 按钮2"
}
close_dravelin() {
  xdotool key Escape
  wait_program 30
  expect_eq "$PROGRAM_RC" 0 "exit code after Esc"
}

# --- files ----------------------------------------------------------------

snapshot() { ( cd "$1" && find . -type f -printf '%p %s %T@\n' -exec sha256sum {} + | sort ); }
expect_script() {  # expect_script FILE NAME WHAT: FILE holds exactly scripts/NAME
  cmp -s "$1" "$SCRIPTS/$2" || fail "$3: $(basename "$1") is not the bytes of scripts/$2 ($(stat -c %s "$1" 2>&1))"
  pass "$3: $(basename "$1") holds exactly the bytes of scripts/$2"
}
# An older script, longer than any of the three.
printf 'old script %.0s\r\n' $(seq 800) >"$WORK/old"
seed() { for name in "$@"; do cp "$WORK/old" "$TEMP/$name"; done; }
expect_old() { cmp -s "$TEMP/$1" "$WORK/old" || fail "$2: the old $1 was changed"; pass "$2: the old $1 is unchanged"; }

# hold FILE: another program holds FILE open with share mode 0 until release.
HOLD_PID=
hold() {
  rm -f "$WORK/ready" "$WORK/release"
  ( exec timeout 300 "$WINE" "$HELPERS/commands_hold.exe" "$(winpath "$1")" \
      "$(winpath "$WORK/ready")" "$(winpath "$WORK/release")" </dev/null >/dev/null 2>&1 ) &
  HOLD_PID=$!
  wait_until 30 test -e "$WORK/ready" || fail "could not hold $1"
}
release() { touch "$WORK/release"; wait "$HOLD_PID" || fail "the holding program failed"; }

# --- reference icons ------------------------------------------------------

# crop TITLE ID FILE: the pixels of a control, once they hold still.
crop() {
  local r i; read -r -a r <<<"$(control_rect "$1" "$2")"
  [ ${#r[@]} -eq 4 ] || fail "no control $2 in the window $1"
  for i in $(seq 50); do
    import -window root "$WORK/screen.png"
    convert "$WORK/screen.png" -crop "${r[2]}x${r[3]}+${r[0]}+${r[1]}" +repage "$3"
    if [ -f "$3.last" ] && [ "$(convert "$3" -format %k info:)" -gt 2 ] &&
       [ "$(compare -metric AE "$3" "$3.last" null: 2>&1)" = 0 ]; then
      rm -f "$3.last"; return 0
    fi
    cp "$3" "$3.last"
    sleep 0.1
  done
  fail "the control $2 of $1 did not settle"
}
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# The icon of a message box of the same system with a known style.
reference_icon() {  # reference_icon STYLE FILE
  local title="参照$1"
  ( exec timeout 120 "$WINE" "$HELPERS/commands_box.exe" "$title" "$1" </dev/null >/dev/null 2>&1 ) &
  local pid=$!
  helper window_report wait "$title" 30 >/dev/null || fail "no reference box"
  crop "$title" 1088 "$2"
  click_control "$title" 1
  wait "$pid" || true
}
reference_icon 0x40 "$WORK/information.png"
reference_icon 0x20 "$WORK/question.png"
[ "$(differing_pixels "$WORK/information.png" "$WORK/question.png")" != 0 ] ||
  fail "the information and question icons look alike: the icon check would prove nothing"

# === The build's Dravelin, started from another folder ====================

PROGRAM="$DRAVELIN_BUILD"
PROGRAM_WIN=$(winpath "$PROGRAM")
seed Begin.vbs CreateProcessAndWait.vbs reset_networks.cmd
start_dravelin "$DRAVELIN_EXE" "$TEMP_WIN"

# Alt+N with the focus on 按钮2 asks the question; the focus stays.
before=$(snapshot "$TEMP")
xdotool key alt+n
wait_box "Alt+N"
box=$(report "信息：")
expect_eq "$(field class "$(grep '^window ' <<<"$box")")" "#32770" "the question is a message box"
expect_eq "$(decode "$(field text "$(grep '^window ' <<<"$box")")")" "信息：" "its caption"
expect_eq "$(decode "$(field text "$(child_line 65535 "$box")")")" "$QUESTION" "its text"
expect_eq "$(grep '^child ' <<<"$box" | grep -c ' class=Button ')" 2 "two buttons"
expect_eq "$(field class "$(child_line 6 "$box")") $(field class "$(child_line 7 "$box")")" \
  "Button Button" "the buttons are Yes (6) and No (7)"
expect_eq "$(decode "$(field text "$(child_line 6 "$box")")") $(decode "$(field text "$(child_line 7 "$box")")")" \
  "是(&Y) 否(&N)" "the buttons' texts"
expect_eq "$(( $(field style "$(child_line 1088 "$box")") & 0xF ))" 3 "an icon (SS_ICON)"
crop "信息：" 1088 "$WORK/dravelin-icon.png"
expect_eq "$(differing_pixels "$WORK/dravelin-icon.png" "$WORK/information.png")" 0 \
  "the icon is the information icon"
expect_eq "$(window_field Dravelin enabled)" 0 "the main window is disabled while the box is up"
click_control Dravelin 150   # 按钮1 takes no click now
answer 7
expect_eq "$(window_field Dravelin enabled)" 1 "the main window is enabled again"
expect_focus 110 "after Alt+N the focus is still on 按钮2"
settle
expect_eq "$(record_count) $(count_of cpl)" "1 1" "No and the click on the disabled window started nothing"
expect_eq "$(snapshot "$TEMP")" "$before" "No left the temporary folder untouched"

# Enter clicks nothing, on 按钮2 or on 按钮3.
xdotool key Return
xdotool key Tab
wait_until 10 has_focus 130 || fail "Tab did not reach 按钮3"
xdotool key Return
settle
box_gone || fail "Enter on 按钮3 asked the question"
expect_eq "$(record_count) $(count_of cpl)" "2 2" "Enter started nothing"
xdotool key shift+Tab
wait_until 10 has_focus 110 || fail "Shift+Tab did not come back to 按钮2"

# Space clicks the focused 按钮2: the IE repair, by the default verb.
xdotool key space
wait_record 3 "Space on 按钮2"
expect_record 3 vbs-default "$(vbs_line "$TEMP_WIN\\Begin.vbs")" "$PROGRAM_WIN" "Space on 按钮2"
expect_script "$TEMP/Begin.vbs" Begin.vbs "the IE repair"
expect_script "$TEMP/CreateProcessAndWait.vbs" CreateProcessAndWait.vbs "the IE repair"
expect_focus 110 "the focus stays on 按钮2"

# A click on 按钮3 and Yes: the network repair, in a normal window.
click_control Dravelin 130
wait_box "a click on 按钮3"
answer 6
wait_record 4 "Yes"
expect_record 4 cmd "$(cmd_line "$TEMP_WIN\\reset_networks.cmd")" "$PROGRAM_WIN" "Yes to the question"
expect_eq "$(stat -c %s "$TEMP/reset_networks.cmd")" 272 "reset_networks.cmd is 272 bytes"
expect_script "$TEMP/reset_networks.cmd" reset_networks.cmd "Yes (over an older, longer file)"

# Clicks on 按钮2 and 按钮1: the applet inherits the current directory, which
# start-up made the program folder.
click_control Dravelin 110
wait_record 5 "a click on 按钮2"
expect_record 5 vbs-default "$(vbs_line "$TEMP_WIN\\Begin.vbs")" "$PROGRAM_WIN" "a click on 按钮2"
click_control Dravelin 150
wait_record 6 "a click on 按钮1"
expect_record 6 cpl "$(applet_line)" "$PROGRAM_WIN" "a click on 按钮1"
expect_eq "$(count_of vbs-open)" 0 "no .vbs was started by the verb open"

# An old script held open by another program is neither written nor started.
for held in Begin.vbs CreateProcessAndWait.vbs reset_networks.cmd; do
  seed Begin.vbs CreateProcessAndWait.vbs reset_networks.cmd
  hold "$TEMP/$held"
  count=$(record_count)
  if [ "$held" = reset_networks.cmd ]; then
    click_control Dravelin 130
    wait_box "按钮3 with $held held"
    answer 6
  else
    click_control Dravelin 110
  fi
  settle
  expect_eq "$(record_count)" "$((count + 1))" "with $held held, only Alt+H's applet was started"
  expect_eq "$(count_of vbs-default) $(count_of cmd)" "2 1" "with $held held, no script was started"
  expect_old "$held" "with $held held"
  release
  case "$held" in  # the other script of the IE repair is written all the same
    Begin.vbs) expect_script "$TEMP/CreateProcessAndWait.vbs" CreateProcessAndWait.vbs "with $held held" ;;
    CreateProcessAndWait.vbs) expect_script "$TEMP/Begin.vbs" Begin.vbs "with $held held" ;;
  esac
done
close_dravelin

# === A copy in a folder whose name ends in 乗 (0x81 0x5C in code page 936) ===

PROGRAM="$WORK/工具乗"
PROGRAM_WIN=$(winpath "$PROGRAM")
mkdir -p "$PROGRAM"
cp "$DRAVELIN_EXE" "$PROGRAM/修复乗.exe"
start_dravelin "$PROGRAM/修复乗.exe" "$TEMP_WIN"
xdotool key space
wait_record 1 "Space in the 乗 folder"
expect_record 1 vbs-default "$(vbs_line "$TEMP_WIN\\Begin.vbs")" "$PROGRAM_WIN" "the IE repair from the 乗 folder"
xdotool key alt+n
wait_box "Alt+N in the 乗 folder"
answer 6
wait_record 2 "Yes in the 乗 folder"
expect_record 2 cmd "$(cmd_line "$TEMP_WIN\\reset_networks.cmd")" "$PROGRAM_WIN" "the network repair from the 乗 folder"
xdotool key alt+h
wait_record 3 "Alt+H in the 乗 folder"
expect_record 3 cpl "$(applet_line)" "$PROGRAM_WIN" "the applet from the 乗 folder"
close_dravelin

# === No temporary folder: TMP too long for the buffer ======================

PROGRAM="$WORK/notemp"
PROGRAM_WIN=$(winpath "$PROGRAM")
mkdir -p "$PROGRAM"
cp "$DRAVELIN_EXE" "$PROGRAM/Dravelin.exe"
before=$(snapshot "$TEMP")
start_dravelin "$PROGRAM/Dravelin.exe" "C:\\$(printf 'a%.0s' $(seq 300))"
xdotool key space
wait_record 1 "Space without a temporary folder"
# The bare name was written in the current directory, the program folder;
# Wine's shell finds the bare name there and hands on its full path.
expect_record 1 vbs-default "$(vbs_line "$PROGRAM_WIN\\Begin.vbs")" "$PROGRAM_WIN" "the IE repair without a temporary folder"
expect_script "$PROGRAM/Begin.vbs" Begin.vbs "without a temporary folder"
expect_script "$PROGRAM/CreateProcessAndWait.vbs" CreateProcessAndWait.vbs "without a temporary folder"
xdotool key alt+n
wait_box "Alt+N without a temporary folder"
answer 6
wait_record 2 "Yes without a temporary folder"
expect_record 2 cmd "$(cmd_line "$PROGRAM_WIN\\reset_networks.cmd")" "$PROGRAM_WIN" "the network repair without a temporary folder"
expect_script "$PROGRAM/reset_networks.cmd" reset_networks.cmd "without a temporary folder"
expect_eq "$(snapshot "$TEMP")" "$before" "the other temporary folder was not touched"
close_dravelin
