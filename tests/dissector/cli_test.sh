#!/usr/bin/env bash
# Runs qarnolog-dissect on arguments and standard input and checks its output and exit status.
set -u
tool=$1
export LC_ALL=C
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The 32-byte hello: header (Seq 1, type 1, sub 1, DataLength 15), wTLD 1 "example".
hello="00 00000001 0001 0001 00000000 0000000F 00000001 00000007 6578616D706C65"
expected='QARNO_BEX_COM_CLI_HELLO [1-32]
  QARNO_ID [1-1]
  Seq=1 [2-5]
  Bex Type=0x0001 [6-7]
  Bex Sub=0x0001 [8-9]
  Request ID=0x00000000 [10-13]
  Data Length=15 [14-17]
  Data [18-32]
    wTLD (0x00000001) [18-21]
      Length=7 [22-25] mark=1
      Account=example [26-32]'
out=$("$tool" "$hello"); rc=$?
[ "$rc" -eq 0 ] || fail "hello: exit status $rc"
[ "$out" = "$expected" ] || fail "hello text: $out"

# JSON Lines from standard input: blank lines are skipped, a 2-byte packet gives no nodes.
out=$(printf '%s\n\n   \n0011\n' "$hello" | "$tool" --json --ext-type 0x10); rc=$?
[ "$rc" -eq 0 ] || fail "json: exit status $rc"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 2 ] || fail "json: not two lines: $out"
[ "$(printf '%s\n' "$out" | sed -n 2p)" = '{"nodes":[]}' ] || fail "json: second line: $out"
case $(printf '%s\n' "$out" | sed -n 1p) in
  '{"nodes":[{"name":"QARNO_BEX_COM_CLI_HELLO",'*'"name":"Account","value":"example"'*) ;;
  *) fail "json: first line: $out" ;;
esac

# Bad hex: named on stderr, the other packets still decoded, exit status 2.
err=$("$tool" --json "$hello" "12 3" "0G" "$hello" 2>&1 >/dev/null); rc=$?
out=$("$tool" --json "$hello" "12 3" "0G" "$hello" 2>/dev/null)
[ "$rc" -eq 2 ] || fail "bad hex: exit status $rc"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 2 ] || fail "bad hex: good packets not decoded: $out"
case $err in *"argument 2"*"argument 3"*) ;; *) fail "bad hex: stderr: $err" ;; esac
err=$(printf '%s\nnot hex\n' "$hello" | "$tool" 2>&1 >/dev/null); rc=$?
[ "$rc" -eq 2 ] || fail "bad line: exit status $rc"
case $err in *"line 2"*) ;; *) fail "bad line: stderr: $err" ;; esac

# Bad options: usage on stderr, exit status 2.
for args in "--bogus" "--ext-type" "--ext-type 65536" "--ext-type 0x" "--ext-type -1"; do
  # shellcheck disable=SC2086
  err=$("$tool" $args 2>&1 </dev/null >/dev/null); rc=$?
  [ "$rc" -eq 2 ] || fail "'$args': exit status $rc"
  case $err in *usage:*) ;; *) fail "'$args': no usage: $err" ;; esac
done

[ "$failures" -eq 0 ] && echo "all CLI checks passed"
exit $((failures != 0))
