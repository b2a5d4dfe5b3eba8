#!/usr/bin/env bash
# Runs the demo host against its own copy of the library, so that the layout file beside it
# starts absent: the demo must hand its whole session over, quit by itself after two seconds
# with status 0 (which it gives only when the window opened, every packet was taken and the
# window closed again), and closing the window must have saved its layout.
#   smoke.sh <qarnolog-demo> <libQarnoLog.so>
set -euo pipefail
demo=$1
library=$2

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$library" "$dir/libQarnoLog.so"

status=0
QT_QPA_PLATFORM=offscreen timeout 60 "$demo" --library "$dir/libQarnoLog.so" --fast --seconds 2 ||
  status=$?
if [ $status -ne 0 ]; then
  echo "FAIL: the demo exited with status $status"
  exit 1
fi
if ! iconv -f UTF-16 -t UTF-8 "$dir/QarnoLog.ini" 2>/dev/null | grep -q '^\[Server\]'; then
  echo "FAIL: no [Server] section in the layout file after the window was closed"
  exit 1
fi
