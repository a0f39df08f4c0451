#!/usr/bin/env bash
# CreateProcessAndWait.vbs run under Wine's cscript.exe, its own text
# unchanged but for two renamings, behind test doubles for WMI, the shell
# object's window calls and the pauses (fixtures/process-and-wait-doubles.vbs).
# Each case compares the whole transcript: the doubles' record of every
# call with its virtual time, between the script's progress lines.
source "$(dirname "$0")/../e2e/lib.sh"
source "$(dirname "$0")/scriptlib.sh"
session_start

SCRIPT="$DRAVELIN_SOURCE/scripts/CreateProcessAndWait.vbs"
DOUBLES="$DRAVELIN_SOURCE/tests/scripts/fixtures/process-and-wait-doubles.vbs"
WORK="$SESSION_TMP/process-and-wait"
mkdir -p "$WORK"
check_error_detection "$WORK"

# The renamings, counted: every pause of the script (one between polls, nine
# while driving) and the two class fetches. The counts ignore case, so no
# call escapes the doubles by being spelled differently.
counts=$(python3 - "$SCRIPT" "$WORK/under-test.vbs" <<'PY'
import re, sys
text = open(sys.argv[1], 'rb').read()
sleep_any = len(re.findall(rb'(?i)\bwscript\s*\.\s*sleep\b', text))
get_any = len(re.findall(rb'(?i)\.\s*get\s*\(', text))
sleep_exact = text.count(b'WScript.Sleep ')
get_exact = text.count(b'.Get(')
text = text.replace(b'WScript.Sleep ', b'TestSleep ').replace(b'.Get(', b'.GetClass(')
open(sys.argv[2], 'wb').write(text)
print(sleep_exact, sleep_any, get_exact, get_any)
PY
)
expect_eq "$counts" "10 10 2 2" "WScript.Sleep renamed 10 times and .Get( 2 times, with no other spelling left"

CMD="rundll32.exe inetcpl.cpl ResetIEtoDefaults"
MONIKER='winmgmts:{impersonationLevel=impersonate}!\\.\root\cimv2'
QUERY="Select * from Win32_Process Where ProcessId = '"

# row NAME EXIT 'PARAMETERS' ARGUMENTS...: runs one case; the expected
# transcript comes on stdin, where @M, @Q and @C stand for the moniker,
# the query text up to the identifier, and the command line.
row() {
  local name=$1 want_rc=$2 params=$3
  shift 3
  local dir="$WORK/$name"
  mkdir -p "$dir"
  M="$MONIKER" Q="$QUERY" C="$CMD" python3 -c '
import os, sys
t = sys.stdin.read()
for k in "MQC":
    t = t.replace("@" + k, os.environ[k])
sys.stdout.write(t)' >"$dir/expected"
  printf '%s' "$params" | tr ';' '\n' | sed 's/^ *//; s/$/\r/' >"$dir/parameters.vbs"
  crlf_join "$dir/parameters.vbs" "$DOUBLES" "$WORK/under-test.vbs" >"$dir/run.vbs"
  local rc=0
  WINEDEBUG=fixme+wscript timeout 120 "$WINE" cscript.exe "$(winpath "$dir/run.vbs")" "$@" \
    </dev/null >"$dir/stdout" 2>"$dir/stderr" || rc=$?
  if script_error "$dir/stderr"; then
    fail "$name: script error: $(grep -E 'OnScriptError|ParseScriptText|parser_error|vbscript' "$dir/stderr" | head -5)"
  fi
  tr -d '\r' <"$dir/stdout" >"$dir/transcript"
  if ! diff -u "$dir/expected" "$dir/transcript" >"$dir/diff"; then
    cat "$dir/diff" >&2
    fail "$name: transcript differs"
  fi
  expect_eq "$rc" "$want_rc" "$name: exit code and whole transcript"
}

PRELUDE='@0 GetObject @M
@0 get Win32_Process
@0 get Win32_ProcessStartup
@0 spawn startup instance'
RELEASED='@0 release startup instance
@0 release Win32_ProcessStartup
@0 release Win32_Process'

# Wrong argument counts: exit code 1 before WMI or anything else is touched.
row no-arguments 1 ''                                          </dev/null
row one-argument 1 ''             "$CMD"                       </dev/null
row three-arguments 1 ''          "$CMD" 2000 1                </dev/null
row five-arguments 1 ''           "$CMD" 2000 1 200 extra      </dev/null

# Process creation fails: exit code 1, no poll and nothing driven.
row create-fails 1 'TestCreateResult = 9; TestWindowFrom = 0' "$CMD" 2000 1 200 <<EOF
$PRELUDE
@0 create [@C] directory null ShowWindow 1 -> result 9 pid 0
$RELEASED
EOF

# Two arguments, and the flag "0": nothing driven, a poll every interval
# until the process is gone.
while IFS='|' read -r name args; do
  # shellcheck disable=SC2086
  row "$name" 0 'TestPid = 5120; TestWindowFrom = 0; TestEndAt = 4000' "$CMD" $args <<EOF
$PRELUDE
@0 create [@C] directory null ShowWindow 1 -> result 0 pid 5120
$RELEASED
@0 query @Q5120' -> 1
@0 sleep 1500
@1500 query @Q5120' -> 1
@1500 sleep 1500
@3000 query @Q5120' -> 1
@3000 sleep 1500
@4500 query @Q5120' -> 0
@4500 release WMI connection
EOF
done <<'TABLE'
two-arguments|1500
flag-zero|1500 0 200
TABLE

# Already gone at the first poll: no driving, no pause.
row gone-at-first-poll 0 'TestWindowFrom = 0; TestEndAt = 0' "$CMD" 2000 1 200 <<EOF
$PRELUDE
@0 create [@C] directory null ShowWindow 1 -> result 0 pid 4242
$RELEASED
@0 query @Q4242' -> 0
@0 release WMI connection
EOF

# A driven run with the values Begin.vbs passes: the dialog comes up after
# a while, Alt+R starts the reset (3 s during which the dialog cannot be
# activated), two Alt+C close it and the process ends with it.
row driven 0 'TestWindowFrom = 500; TestResetMs = 3000; TestCloseKeys = 2' "$CMD" 2000 1 200 <<EOF
$PRELUDE
@0 create [@C] directory null ShowWindow 1 -> result 0 pid 4242
$RELEASED
@0 query @Q4242' -> 1
@0 CreateObject wscript.shell
@0 sleep 200
@200 query @Q4242' -> 1
Waiting for Reset window...
@200 sleep 200
@400 AppActivate 4242 (Long) -> no
@400 query @Q4242' -> 1
Waiting for Reset window...
@400 sleep 200
@600 AppActivate 4242 (Long) -> yes
Reset window found...
@600 sleep 200
Waiting for Reset window to close... on ProcessID 4242
@800 sleep 200
@1000 AppActivate 4242 (Long) -> yes
@1000 SendKeys %R
@1000 sleep 200
Reset window closed...
@1200 sleep 2000
@3200 query @Q4242' -> 1
Waiting for Close window...
@3200 sleep 200
@3400 AppActivate 4242 (Long) -> no
@3400 query @Q4242' -> 1
Waiting for Close window...
@3400 sleep 200
@3600 AppActivate 4242 (Long) -> no
@3600 query @Q4242' -> 1
Waiting for Close window...
@3600 sleep 200
@3800 AppActivate 4242 (Long) -> no
@3800 query @Q4242' -> 1
Waiting for Close window...
@3800 sleep 200
@4000 AppActivate 4242 (Long) -> yes
Close window found...
Waiting for Close window to close...
@4000 sleep 200
@4200 AppActivate 4242 (Long) -> yes
@4200 SendKeys %C
@4200 sleep 200
@4400 AppActivate 4242 (Long) -> yes
Waiting for Close window to close...
@4400 sleep 200
@4600 AppActivate 4242 (Long) -> yes
@4600 SendKeys %C
@4600 sleep 200
@4800 AppActivate 4242 (Long) -> no
Close window closed...
@4800 release shell
@4800 sleep 2000
@6800 query @Q4242' -> 0
@6800 release WMI connection
EOF

# The dialog ignores Alt+R: it is still sent once only. The process lives
# on for 3 s after its dialog has closed: still waited for, not driven again.
row alt-r-ignored 0 'TestWindowFrom = 0; TestIgnoreR = 1; TestLingerMs = 3000' "$CMD" 2000 1 200 <<EOF
$PRELUDE
@0 create [@C] directory null ShowWindow 1 -> result 0 pid 4242
$RELEASED
@0 query @Q4242' -> 1
@0 CreateObject wscript.shell
@0 sleep 200
@200 query @Q4242' -> 1
Waiting for Reset window...
@200 sleep 200
@400 AppActivate 4242 (Long) -> yes
Reset window found...
@400 sleep 200
Waiting for Reset window to close... on ProcessID 4242
@600 sleep 200
@800 AppActivate 4242 (Long) -> yes
@800 SendKeys %R
@800 sleep 200
Reset window closed...
@1000 sleep 2000
@3000 query @Q4242' -> 1
Waiting for Close window...
@3000 sleep 200
@3200 AppActivate 4242 (Long) -> yes
Close window found...
Waiting for Close window to close...
@3200 sleep 200
@3400 AppActivate 4242 (Long) -> yes
@3400 SendKeys %C
@3400 sleep 200
@3600 AppActivate 4242 (Long) -> no
Close window closed...
@3600 release shell
@3600 sleep 2000
@5600 query @Q4242' -> 1
@5600 sleep 2000
@7600 query @Q4242' -> 0
@7600 release WMI connection
EOF

# One table, two rows: the process ends while the script waits for its
# dialog, and while it waits for the dialog's closing state. Both waits
# have no bound of their own; the driving ends at the next pass with no
# further progress text, and the next poll ends the script.
while IFS='|' read -r name params; do
  [ -n "$name" ] || continue
  row "$name" 0 "$params" "$CMD" 2000 1 200 <"$DRAVELIN_SOURCE/tests/scripts/fixtures/$name.transcript"
done <<'TABLE'
ends-waiting-for-dialog|TestWindowFrom = -1; TestEndAt = 700
ends-waiting-for-closing-state|TestWindowFrom = 0; TestResetMs = 100000; TestEndAt = 4000
TABLE
