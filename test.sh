#!/usr/bin/env bash
# Installs what is missing, builds Vexilon with its tests and runs every test
# under a virtual X display (the drawing tests need OpenGL).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" -j"$(nproc)"
# The document reader's fuzz target, for a short fixed number of inputs.
"$here/tools/fuzz.sh" -runs=10000 >"$here/build/fuzz.log" 2>&1 || { tail -50 "$here/build/fuzz.log"; exit 1; }
tail -1 "$here/build/fuzz.log"
cd "$here/build"
# A display number of its own: one just freed by an earlier run may still be
# shutting down. -noreset: by default the server resets whenever its last
# client leaves, and a test program connecting during that reset is refused.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-noreset -screen 0 1280x1024x24" ctest --output-on-failure -j"$(nproc)" "$@"
