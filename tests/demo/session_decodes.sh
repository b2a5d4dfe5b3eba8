#!/usr/bin/env bash
# Decodes every packet of the demo's sample session, with the extension type the demo's window
# ends up with (1, a transport), and checks what a person watching the demo relies on: every
# family is there, the nested structures decode, every field has its name and every code its
# constant name, and the one deliberately broken packet is the only one that is not a BEX.
#   session_decodes.sh <qarnolog-demo> <qarnolog-dissect>
set -euo pipefail
demo=$1
dissect=$2

out=$("$demo" --hex | "$dissect" --ext-type 1 2>&1)
fail=0
check() {  # check <description> <actual> <expected>
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: got $2, want $3"
    fail=1
  fi
}
count() { grep -c -e "$1" <<<"$out" || true; }

for family in COM CL PRES IM UD UA FT TP EXT_MAN EXT_TP EXT_PG WADM; do
  check "packets of family $family" "$( [ "$(count "^QARNO_BEX_${family}_[A-Z]")" -gt 0 ] && echo yes || echo no)" yes
done
check "fields or codes without a name" "$(grep -c -i 'unknown' <<<"$out" || true)" 0
check "packets that are not a BEX" "$(count 'not a BEX')" 1
check "contact lists (client and general)" "$(count '^ *Contact list \[')" 2
check "transports lists" "$(count '^ *Transports data \[')" 1
check "contact-list items named by their group" "$(count '^ *Friends \[.*mark=2')" 1
check "transport items in contact lists" "$(count '^ *Transport: alice@jabber.example.org \[.*mark=3')" 1
check "notes in contact lists" "$(count '^ *Note: .*mark=4')" 2
check "sTLD list of the added item" "$(count '^ *ContactName=Erin \[')" 1
check "sTLD list of the updated item" "$(count '^ *ContactName=Carol (Sales) \[')" 1
check "sTLD list of the server's item operation" "$(count '^ *AccountName=frank@jabber.example.org \[')" 1
check "transport fields of the extension's parameters" "$(count '^ *Transport full name=Jabber (XMPP)')" 2

if [ $fail -ne 0 ]; then
  echo "--- decoded session ---"
  echo "$out"
fi
exit $fail
