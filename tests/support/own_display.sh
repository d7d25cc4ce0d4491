#!/usr/bin/env bash
# Runs a window test program on an X display of its own. Test programs run side
# by side, and every dialog a program shows takes the keyboard focus of its
# display: a program whose tests type into a window must not share it. The
# server picks a free display number itself (-displayfd), so programs started
# at the same moment never race for one.
set -u
numfile=$(mktemp)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$numfile" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$numfile"' EXIT
for _ in $(seq 1 200); do
  [ -s "$numfile" ] && break
  if ! kill -0 "$server" 2>/dev/null; then echo "own_display: Xvfb did not start" >&2; exit 1; fi
  sleep 0.05
done
[ -s "$numfile" ] || { echo "own_display: Xvfb gave no display number" >&2; exit 1; }
DISPLAY=:$(tr -d '[:space:]' <"$numfile")
export DISPLAY
# VEXILON_TEST_WM: a window manager to run on the display first (openbox, say),
# to check that no test needs a display without one. The tests start once it
# has announced itself on the root window.
if [ -n "${VEXILON_TEST_WM:-}" ]; then
  $VEXILON_TEST_WM >/dev/null 2>&1 &
  wm=$!
  trap 'kill "$wm" "$server" 2>/dev/null; wait "$wm" "$server" 2>/dev/null; rm -f "$numfile"' EXIT
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi
"$@"
