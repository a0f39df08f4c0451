#!/usr/bin/env bash
# Begin.vbs run for real under Wine's wscript.exe, with %USERPROFILE%
# pointed at a sandbox of the case's own and a stand-in companion
# (fixtures/recording-companion.vbs) beside it that records its arguments,
# the log folder as it found it, and writes the logs each case asks for.
# The only double is fixtures/begin-doubles.vbs in front of the script's
# text: a wrapper around the real shell object that drops the NUL Wine's
# ExpandEnvironmentStrings adds, and records the command line given to Run.
# Each case compares the whole sandbox afterwards.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/scriptlib.sh"
session_start

SCRIPT="$DRAVELIN_SOURCE/scripts/Begin.vbs"
DOUBLES="$DRAVELIN_SOURCE/tests/scripts/fixtures/begin-doubles.vbs"
COMPANION="$DRAVELIN_SOURCE/tests/scripts/fixtures/recording-companion.vbs"
WORK="$SESSION_TMP/begin"
mkdir -p "$WORK"
check_error_detection "$WORK"

LOG_SUBPATH="Local Settings/Application Data/Microsoft/Internet Explorer"

# The text under test: its Option Explicit line moves in front of the double
# (it must open the combined text), so the declarations stay checked.
python3 - "$SCRIPT" "$WORK/begin-body.vbs" <<'PY' >"$WORK/moved"
import sys
text = open(sys.argv[1], 'rb').read()
first, rest = text.split(b'\r\n', 1)
open(sys.argv[2], 'wb').write(rest)
print(first.decode('ascii'))
PY
expect_eq "$(cat "$WORK/moved")" "Option Explicit" "Begin.vbs opens with Option Explicit, moved in front of the double (1 line)"
printf 'Option Explicit' >"$WORK/option-explicit.vbs"

# tree DIR: every folder ("path/") and file ("path=content") under DIR, sorted.
tree() {
  python3 - "$1" <<'PY'
import os, sys
root = sys.argv[1]
out = []
for d, dirs, files in os.walk(root):
    rel = os.path.relpath(d, root)
    for n in dirs:
        out.append((n if rel == '.' else rel + '/' + n) + '/')
    for n in files:
        out.append((n if rel == '.' else rel + '/' + n) + '=' + open(os.path.join(d, n), 'rb').read().decode('latin-1'))
print('\n'.join(sorted(out)))
PY
}

# listing 'ENTRIES': the sorted tree a list of ";"-separated entries stands
# for, with the folders they imply.
listing() {
  python3 - "$1" <<'PY'
import sys
out = set()
for e in sys.argv[1].split(';'):
    e = e.strip()
    if not e:
        continue
    path = e.split('=', 1)[0].rstrip('/')
    parts = path.split('/')
    for i in range(1, len(parts)):
        out.add('/'.join(parts[:i]) + '/')
    out.add(e)
print('\n'.join(sorted(out)))
PY
}

# plant DIR 'ENTRIES': creates the entries (content without a line end).
plant() {
  python3 - "$1" "$2" <<'PY'
import os, sys
for e in sys.argv[2].split(';'):
    e = e.strip()
    if not e:
        continue
    path = os.path.join(sys.argv[1], e.split('=', 1)[0])
    if e.endswith('/'):
        os.makedirs(path, exist_ok=True)
    else:
        os.makedirs(os.path.dirname(path), exist_ok=True)
        open(path, 'wb').write(e.split('=', 1)[1].encode())
PY
}

# Every case has a file of its own in the log folder that is no log.
OTHER="other.txt=not a log"

# One case per line:
# name | script folder | companion | companion exit | exit | log folder before |
#   logs the reset writes | log folder the companion sees | log folder after
while IFS='|' read -r name scriptdir companion comp_exit want_rc before writes seen after; do
  [ -n "$name" ] || continue
  case "$name" in \#*) continue ;; esac
  dir="$WORK/$name"
  profile="$dir/profile"
  logdir="$profile/$LOG_SUBPATH"
  sdir="$dir/$scriptdir"
  mkdir -p "$logdir" "$sdir" "$dir/out"
  plant "$logdir" "$OTHER;$before"
  crlf_join "$WORK/option-explicit.vbs" "$DOUBLES" "$WORK/begin-body.vbs" >"$sdir/Begin.vbs"
  [ "$companion" = yes ] && cp "$COMPANION" "$sdir/CreateProcessAndWait.vbs"
  cp -r "$sdir" "$dir/scripts-before"
  printf '@set "%s"\r\n' \
    "USERPROFILE=$(winpath "$profile")" \
    "DRAVELIN_BEGIN_RECORD=$(winpath "$dir/out/begin-record.txt")" \
    "DRAVELIN_COMPANION_RECORD=$(winpath "$dir/out/arguments.txt")" \
    "DRAVELIN_COMPANION_SNAPSHOT=$(winpath "$dir/out/seen.txt")" \
    "DRAVELIN_COMPANION_WRITE=$writes" \
    "DRAVELIN_COMPANION_EXIT=$comp_exit" >"$dir/run.cmd"
  printf '@wscript.exe "%s"\r\n@exit %%ERRORLEVEL%%\r\n' "$(winpath "$sdir/Begin.vbs")" >>"$dir/run.cmd"

  rc=0
  WINEDEBUG=fixme+wscript timeout 300 "$WINE" cmd /c "$(winpath "$dir/run.cmd")" \
    </dev/null >"$dir/stdout" 2>"$dir/stderr" || rc=$?
  if script_error "$dir/stderr"; then
    fail "$name: script error: $(grep -E 'OnScriptError|ParseScriptText|parser_error|vbscript' "$dir/stderr" | head -5)"
  fi
  expect_eq "$rc" "$want_rc" "$name: exit code"

  # The whole profile: the log folder's path, and in it exactly what is due.
  expected=$(listing "$(printf '%s;' "$LOG_SUBPATH/" "$OTHER" "$after" | sed "s|;\([^;]\)|;$LOG_SUBPATH/\1|g")")
  expect_eq "$(tree "$profile")" "$expected" "$name: the whole profile afterwards"
  diff -r "$dir/scripts-before" "$sdir" >/dev/null || fail "$name: the script folder changed"
  pass "$name: the script folder is unchanged"

  record=$(tr -d '\r' <"$dir/out/begin-record.txt")
  if [ "$companion" = yes ]; then
    expect_eq "$(tr -d '\r' <"$dir/out/arguments.txt")" $'rundll32.exe inetcpl.cpl ResetIEtoDefaults\n2000\n1\n200' \
      "$name: the companion's four arguments"
    expect_eq "$(tr -d '\r' <"$dir/out/seen.txt" | sort)" "$(listing "$OTHER;$seen")" \
      "$name: the log folder while the reset ran"
    run_line="Run cscript.exe \"$(winpath "$sdir")\\CreateProcessAndWait.vbs\" \"rundll32.exe inetcpl.cpl ResetIEtoDefaults\" 2000 1 200|style 0|wait true"
    expect_eq "$record" "CreateObject Scripting.FileSystemObject
CreateObject wscript.shell
ExpandEnvironmentStrings %USERPROFILE%\\Local Settings\\Application Data\\Microsoft\\Internet Explorer
$run_line
Run returned $comp_exit" "$name: the objects, the log folder text and the command line run hidden and waited for"
  else
    [ ! -e "$dir/out/arguments.txt" ] && [ ! -e "$dir/out/seen.txt" ] || fail "$name: something was started"
    expect_eq "$record" "CreateObject Scripting.FileSystemObject
CreateObject wscript.shell
ExpandEnvironmentStrings %USERPROFILE%\\Local Settings\\Application Data\\Microsoft\\Internet Explorer" \
      "$name: nothing run"
  fi
done <<'TABLE'
# The outcome table, with no old logs: the reset writes both, neither, or only ried.log.
no-logs-reset-ok|temp|yes|0|0||brndlog.txt;ried.log||brndlog.txt=new brndlog.txt;ried.log=new ried.log
no-logs-reset-writes-nothing|temp|yes|0|0||||
no-logs-reset-writes-ried|temp|yes|0|0||ried.log||ried.log=new ried.log
# Old logs, one or both, and a new branding log: the old ones are gone.
both-old-reset-ok|temp|yes|0|0|brndlog.txt=old brndlog;ried.log=old ried|brndlog.txt;ried.log|FixIt-Archive/brndlog.txt=old brndlog;FixIt-Archive/ried.log=old ried|brndlog.txt=new brndlog.txt;ried.log=new ried.log
old-brndlog-reset-ok|temp|yes|0|0|brndlog.txt=old brndlog|brndlog.txt;ried.log|FixIt-Archive/brndlog.txt=old brndlog|brndlog.txt=new brndlog.txt;ried.log=new ried.log
old-ried-reset-ok|temp|yes|0|0|ried.log=old ried|brndlog.txt|FixIt-Archive/ried.log=old ried|brndlog.txt=new brndlog.txt
# Old logs and no new branding log: the old ones back in place.
both-old-reset-fails|temp|yes|0|0|brndlog.txt=old brndlog;ried.log=old ried||FixIt-Archive/brndlog.txt=old brndlog;FixIt-Archive/ried.log=old ried|brndlog.txt=old brndlog;ried.log=old ried
old-brndlog-reset-fails|temp|yes|0|0|brndlog.txt=old brndlog||FixIt-Archive/brndlog.txt=old brndlog|brndlog.txt=old brndlog
old-ried-only-reset-fails|temp|yes|0|0|ried.log=old ried||FixIt-Archive/ried.log=old ried|ried.log=old ried
# A failed reset that leaves a new ried.log: the old one goes back over it
# (and the companion's exit code is passed over); without an old ried.log
# the new one stays.
restore-over-new-ried|temp|yes|5|0|brndlog.txt=old brndlog;ried.log=old ried|ried.log|FixIt-Archive/brndlog.txt=old brndlog;FixIt-Archive/ried.log=old ried|brndlog.txt=old brndlog;ried.log=old ried
old-brndlog-new-ried|temp|yes|0|0|brndlog.txt=old brndlog|ried.log|FixIt-Archive/brndlog.txt=old brndlog|brndlog.txt=old brndlog;ried.log=new ried.log
# An archive left by an interrupted run is deleted with all it holds first.
stale-archive-reset-fails|temp|yes|0|0|FixIt-Archive/brndlog.txt=stale brndlog;FixIt-Archive/ried.log=stale ried;FixIt-Archive/notes/more.txt=stale;brndlog.txt=old brndlog;ried.log=old ried||FixIt-Archive/brndlog.txt=old brndlog;FixIt-Archive/ried.log=old ried|brndlog.txt=old brndlog;ried.log=old ried
stale-archive-no-logs-reset-ok|temp|yes|0|0|FixIt-Archive/brndlog.txt=stale brndlog;FixIt-Archive/notes/more.txt=stale|brndlog.txt||brndlog.txt=new brndlog.txt
# No companion beside the script: exit code 1, nothing touched or started.
missing-companion|temp|no|0|1|FixIt-Archive/ried.log=stale ried;brndlog.txt=old brndlog;ried.log=old ried|brndlog.txt||FixIt-Archive/ried.log=stale ried;brndlog.txt=old brndlog;ried.log=old ried
# The companion is found in a folder whose own name is the script's name.
folder-named-begin-vbs|temp/Begin.vbs|yes|0|0|brndlog.txt=old brndlog|brndlog.txt;ried.log|FixIt-Archive/brndlog.txt=old brndlog|brndlog.txt=new brndlog.txt;ried.log=new ried.log
TABLE
