# Shared by the script tests: running VBScript under Wine's hosts and
# noticing script errors, which Wine's hosts report only on stderr (both
# hosts exit with code 0 and show nothing).

# script_error FILE: succeeds when the host's stderr in FILE shows a
# script error (a runtime error or a text that does not parse).
script_error() { grep -Eq 'OnScriptError|ParseScriptText failed' "$1"; }

# crlf_join FILE...: the files' texts joined with CR LF between them, on stdout.
crlf_join() {
  python3 - "$@" <<'PY'
import sys
parts = [open(p, 'rb').read() for p in sys.argv[1:]]
sys.stdout.buffer.write(b'\r\n'.join(parts))
PY
}

# check_error_detection DIR: shows once per test that a broken script is
# noticed, so a clean stderr means something.
check_error_detection() {
  local dir=$1 rc=0
  printf 'WScript.Echo "before"\r\nx = objMissing.Member\r\nWScript.Quit 3' >"$dir/broken-runtime.vbs"
  printf 'If Then\r\nWScript.Quit 3' >"$dir/broken-syntax.vbs"
  local kind
  for kind in runtime syntax; do
    rc=0
    WINEDEBUG=fixme+wscript timeout 60 "$WINE" cscript.exe "$(winpath "$dir/broken-$kind.vbs")" \
      </dev/null >"$dir/broken.out" 2>"$dir/broken.err" || rc=$?
    script_error "$dir/broken.err" || fail "a $kind error in a script went unnoticed (exit code $rc)"
    pass "a $kind error in a script is noticed"
  done
}
