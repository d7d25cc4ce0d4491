#!/usr/bin/env bash
# Starts the program, waits for its main window on the display, closes it and
# checks that it ended cleanly.
set -u
exe=$1
# The program writes the ".pgp" association into the user's data folder at
# start: a folder of this run's own, removed at the end.
XDG_DATA_HOME=$(mktemp -d)
export XDG_DATA_HOME
trap 'rm -rf "$XDG_DATA_HOME"' EXIT
# Other test programs may show windows titled "Vexilon" on the same display at
# the same time: count only the windows of this program's class.
pattern='"Vexilon": ("vexilon"'
# The window tree; other programs' windows may vanish while it is read, which
# makes xwininfo fail: read again until one read succeeds.
tree() {
  local out
  for _ in $(seq 1 20); do
    if out=$(xwininfo -root -tree 2>/dev/null); then printf '%s\n' "$out"; return 0; fi
    sleep 0.05
  done
  return 1
}
"$exe" &
pid=$!
found=0
for _ in $(seq 1 100); do
  if tree | grep -qF "$pattern"; then found=1; break; fi
  if ! kill -0 "$pid" 2>/dev/null; then break; fi
  sleep 0.1
done
if [ "$found" != 1 ]; then
  echo "main window did not appear"
  kill -9 "$pid" 2>/dev/null
  exit 1
fi
# A start-up failure would show a message box titled like the program.
sleep 1
count=$(tree | grep -cF "$pattern")
if [ "$count" != 1 ]; then
  echo "expected only the main window, found $count windows titled Vexilon"
  kill -9 "$pid" 2>/dev/null
  exit 1
fi
kill -TERM "$pid"
wait "$pid"
rc=$?
[ "$rc" = 0 ] || { echo "program ended with $rc"; exit 1; }
echo "main window appeared and closed"
