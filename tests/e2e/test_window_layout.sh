#!/usr/bin/env bash
# The main window as built: its place on two screen sizes, size, styles, and
# every control's parent, place, identifier, style, text, stacking,
# visibility, and the first focus.
source "$(dirname "$0")/lib.sh"

# id depth parent x y w h style z text(UTF-8; "-" for none)
EXPECTED=$(cat <<'TABLE'
100 1 0   0 9   352 64 0x54000107 3 -
110 2 100 13 12 104 40 0x54012F00 1 一键修复IE(&I)
160 2 100 137 16 184 40 0x54000000 0 将Ineter Explorer重置为初始状态，能够有效修复：IE打不开、设置出错等故障。
120 1 0   0 77  352 64 0x54000107 2 -
130 2 120 13 12 104 40 0x54012F00 1 修复网络连接(&N)
170 2 120 137 16 184 43 0x54000000 0 将网络连接重置为初始状态（重启后生效），可修复：上不了网、能上QQ却打不开网页等故障。
140 1 0   0 145 352 64 0x54000107 1 -
150 2 140 13 12 104 40 0x54012F00 1 手动设置IE(&H)
180 2 140 137 27 208 16 0x54000000 0 手动设置IE属性，自定义专属您的IE！
190 1 0   0 224 352 88 0x54010000 0 -
TABLE
)

# The parent of each control, from the depths of the report's pre-order.
parents() {
  awk '/^child /{ split($2, d, "="); split($3, i, "="); stack[d[2]] = i[2];
                  print i[2], (d[2] == 1 ? 0 : stack[d[2] - 1]) }' <<<"$1"
}

check_window() {
  local width=$1 height=$2 x=$3 y=$4
  session_start "$width" "$height"
  start_program "$DRAVELIN_EXE"
  helper window_report wait Dravelin 60 || fail "no Dravelin window on ${width}x${height}"
  local report line
  report=$(helper window_report window Dravelin)
  line=$(grep '^window ' <<<"$report")
  expect_eq "$(field x "$line"),$(field y "$line")" "$x,$y" "top-left corner on ${width}x${height}"
  expect_eq "$(field w "$line")x$(field h "$line")" "362x342" "outer size on ${width}x${height}"
  if [ "$width" = 1920 ]; then
    # Visible, caption with system menu and minimise box, thin fixed frame:
    # no WS_MAXIMIZEBOX, no WS_THICKFRAME. Windows adds WS_CLIPSIBLINGS and
    # WS_EX_WINDOWEDGE to such a top-level window itself.
    expect_eq "$(field style "$line")" 0x16CA0000 "window style"
    expect_eq "$(field exstyle "$line")" 0x00000100 "extended style"
    expect_eq "$(field classstyle "$line")" 0x0000000B "class styles CS_HREDRAW|CS_VREDRAW|CS_DBLCLKS"
    expect_eq "$(field text "$line")" "$(gbk_hex Dravelin)" "caption"
    expect_eq "$(field owner "$line")" 0 "no owner window: a taskbar button"
    [ "$(field cw "$line")" -lt 362 ] && [ "$(field ch "$line")" -lt 342 ] || fail "client area inside the frame"

    local id depth parent cx cy cw ch style z text actual_parent all_parents
    all_parents=$(parents "$report")
    while read -r id depth parent cx cy cw ch style z text; do
      line=$(child_line "$id" "$report")
      [ -n "$line" ] || fail "no control with identifier $id"
      actual_parent=$(awk -v id="$id" '$1 == id { print $2 }' <<<"$all_parents")
      expect_eq "$(field depth "$line") $actual_parent" "$depth $parent" "control $id: parent"
      expect_eq "$(field x "$line"),$(field y "$line") $(field w "$line")x$(field h "$line")" \
        "$cx,$cy ${cw}x$ch" "control $id: place and size"
      expect_eq "$(field style "$line")" "$style" "control $id: style"
      expect_eq "$(field z "$line")" "$z" "control $id: stacking among its siblings"
      expect_eq "$(field visible "$line")$(field enabled "$line")" 11 "control $id: visible and enabled"
      if [ "$text" != - ]; then
        expect_eq "$(field text "$line")" "$(gbk_hex "$text")" "control $id: text bytes"
      elif [ "$id" != 190 ]; then
        expect_eq "$(field text "$line")" "" "control $id: empty caption"
      fi
      case "$id" in
        110|130|150) expect_eq "$(field class "$line")" Button "control $id: a standard button" ;;
        100|120|140) expect_eq "$(field class "$line")" Button "control $id: a standard group box" ;;
      esac
    done <<<"$EXPECTED"
    expect_eq "$(grep -c '^child depth=1 ' <<<"$report")" 4 "four controls directly in the window"
    expect_eq "$(focus_id "$report")" 110 "the focus starts on the one-click IE button"
  fi
  xdotool key Escape
  wait_program 30
  expect_eq "$PROGRAM_RC" 0 "exit code after Esc"
  session_stop
}

check_window 1920 1080 779 369
check_window 1024 768 331 213
