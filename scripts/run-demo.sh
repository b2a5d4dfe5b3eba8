#!/usr/bin/env bash
# Runs the demo host of a build directory (`make demo` passes build/).
#
# With a display ($DISPLAY or $WAYLAND_DISPLAY set) the demo plays its sample session at a
# pace a person can follow, into a log window named "Server", until Ctrl+C; further arguments
# go to the demo (for instance --fast).
#
# Without a display it starts a virtual X server, hands the whole session over at once, widens
# the window and its field tree so that every column and field name shows, opens alice's
# contact list (a click into the packet list, Up to its first row, then seven times Down),
# saves a screenshot of the screen as <build-dir>/demo-screenshot.png, and stops the server
# when the demo has quit (after DEMO_SECONDS, default 8).
#
#   scripts/run-demo.sh <build-dir> [demo options...]
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 <build-dir> [demo options...]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
shift
demo="$build/tools/qarnolog-demo/qarnolog-demo"
if [ ! -x "$demo" ]; then
  echo "run-demo.sh: $demo is missing; build first (make build)" >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "Playing the sample session into the window \"Server\"; Ctrl+C quits."
  exec "$demo" "$@"
fi

seconds=${DEMO_SECONDS:-8}
screenshot="$build/demo-screenshot.png"
log="$build/demo-run.log"
work=$(mktemp -d)
xvfb_pid=""
demo_pid=""
cleanup() {
  if [ -n "$demo_pid" ] && kill -0 "$demo_pid" 2>/dev/null; then kill "$demo_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display number that no X server holds; if another one takes it first, try the next.
display=""
for n in $(seq 90 199); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1440x960x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
    display=":$n"
    break
  fi
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
if [ -z "$display" ]; then
  echo "run-demo.sh: could not start Xvfb" >&2
  exit 1
fi
echo "No display: running the demo for $seconds seconds on Xvfb $display."

export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
"$demo" --fast --seconds "$seconds" "$@" >"$log" 2>&1 &
demo_pid=$!

if command -v xdotool >/dev/null; then
  window=$(timeout 15 xdotool search --sync --onlyvisible --name ' - RUV Analyzer' 2>/dev/null |
             head -n 1 || true)
  if [ -n "$window" ]; then
    xdotool windowsize --sync "$window" 1320 820 2>/dev/null || true
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The splitter right of the 200-pixel field tree, dragged to make the tree 400 pixels wide.
    xdotool mousemove --sync $((X + 202)) $((Y + 200)) mousedown 1 \
      mousemove --sync $((X + 402)) $((Y + 200)) mouseup 1
    sleep 0.3
    # The packet list lies right of the field tree and above the 300-pixel dump.
    xdotool mousemove --sync $((X + 400 + (WIDTH - 400) / 2)) $((Y + 100)) click 1
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    for _ in $(seq 30); do xdotool key Up; done
    for _ in $(seq 7); do xdotool key Down; done
  else
    echo "run-demo.sh: the log window did not appear; the screenshot shows the bare screen" >&2
  fi
else
  echo "run-demo.sh: xdotool is missing, so no packet is opened before the screenshot" >&2
fi
sleep 1
import -window root "$screenshot"

status=0
wait "$demo_pid" || status=$?
demo_pid=""
if [ $status -ne 0 ]; then
  echo "run-demo.sh: the demo failed with status $status; its output:" >&2
  cat "$log" >&2
  exit $status
fi
echo "Screenshot: $screenshot"
