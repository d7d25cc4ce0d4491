#!/usr/bin/env bash
# Installs what is missing, builds Vexilon (Release) and starts it.
# Usage: ./run.sh [document.pgp]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/tools/setup.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" --target vexilon -j"$(nproc)"
exec "$here/build/app/vexilon" "$@"
