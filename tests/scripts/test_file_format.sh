#!/usr/bin/env bash
# The two script files of the IE repair as Dravelin carries them: 7-bit
# ASCII, CR LF line ends, no byte-order mark, no line end after the last
# line, no error trapping, and in Begin.vbs no tab characters and every
# variable declared (Option Explicit, which the Begin.vbs runs keep in force).
# The checker is first shown to catch each fault in a spoiled copy.
# No Wine program runs here, so no session is started.
source "$(dirname "$0")/../e2e/lib.sh"

SCRIPTS="$DRAVELIN_SOURCE/scripts"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# faults FILE STRICT: one word per fault found; STRICT=1 also forbids tabs and
# asks for Option Explicit on the first line.
faults() {
  python3 - "$1" "$2" <<'PY'
import re, sys
data = open(sys.argv[1], 'rb').read()
strict = sys.argv[2] == '1'
found = []
if data.startswith(b'\xef\xbb\xbf') or data.startswith(b'\xff\xfe') or data.startswith(b'\xfe\xff'):
    found.append('bom')
    data = data[3:] if data[0] == 0xef else data[2:]
if any(b > 0x7f for b in data):
    found.append('not-ascii')
if any(b < 0x20 and b not in (0x09, 0x0a, 0x0d) for b in data):
    found.append('control-char')
if re.search(rb'(?<!\r)\n', data):
    found.append('bare-lf')
if re.search(rb'\r(?!\n)', data):
    found.append('bare-cr')
if data.endswith(b'\n') or data.endswith(b'\r'):
    found.append('final-line-end')
if len(data) == 0:
    found.append('empty')
if re.search(rb'(?i)\bon\s+error\b', data):
    found.append('on-error')
if strict:
    if b'\t' in data:
        found.append('tab')
    if not re.match(rb'(?i)option explicit\r\n', data):
        found.append('no-option-explicit')
print(' '.join(found) if found else 'clean')
PY
}

# The checker against spoiled copies of Begin.vbs: every fault it must
# report. Each spoiling is a python expression on the bytes `d`.
BEGIN="$SCRIPTS/Begin.vbs"
[ -s "$BEGIN" ] || fail "scripts/Begin.vbs is missing"
while IFS='|' read -r expected spoil; do
  [ -n "$expected" ] || continue
  python3 -c "import sys; d=open(sys.argv[1],'rb').read(); open(sys.argv[2],'wb').write($spoil)" \
    "$BEGIN" "$WORK/spoiled.vbs"
  expect_eq "$(faults "$WORK/spoiled.vbs" 1)" "$expected" "the checker reports [$expected] for a copy spoiled with $spoil"
done <<'TABLE'
bom|b'\xef\xbb\xbf' + d
not-ascii|d.replace(b'Begin.vbs', b'Begin\xa1\xa3.vbs', 1)
control-char|d.replace(b'Begin.vbs', b'Begin\x00.vbs', 1)
bare-lf|d.replace(b"'\r\n", b"'\n", 1)
bare-cr|d.replace(b"'\r\n", b"'\r", 1)
final-line-end|d + b'\r\n'
on-error|d.replace(b"'\r\n", b"'\r\nOn  Error Resume Next\r\n", 1)
tab|d.replace(b'    ', b'\t', 1)
no-option-explicit|d[d.index(b'\r\n') + 2:]
TABLE

# The files themselves: name | strict.
while IFS='|' read -r name strict; do
  [ -n "$name" ] || continue
  [ -s "$SCRIPTS/$name" ] || fail "scripts/$name is missing"
  expect_eq "$(faults "$SCRIPTS/$name" "$strict")" clean "scripts/$name: 7-bit ASCII, CR LF, no BOM, no final line end, no On Error$([ "$strict" = 1 ] && echo ', no tabs, Option Explicit')"
done <<'TABLE'
Begin.vbs|1
CreateProcessAndWait.vbs|0
TABLE

# git must keep the bytes as they are (no line-end conversion).
if git -C "$DRAVELIN_SOURCE" rev-parse --git-dir >/dev/null 2>&1; then
  for name in Begin.vbs CreateProcessAndWait.vbs; do
    attr=$(git -C "$DRAVELIN_SOURCE" check-attr text -- "scripts/$name" | sed 's/.*: //')
    expect_eq "$attr" unset "git's text attribute of scripts/$name"
  done
fi
