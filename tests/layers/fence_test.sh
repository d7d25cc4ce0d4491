#!/usr/bin/env bash
# The fence check fails on forbidden includes, naming each file:line and the
# forbidden pair, and passes on a tree that keeps to the table.
# Usage: fence_test.sh <path of check_layers.sh>
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{tools,core,math,graph,scene,render,document,dialogs/special,platform,app,tests/support}
cp "$(dirname "$check")/layers.txt" "$tree/tools/"

printf '#include "core/Globals.h"\n#include <GL/gl.h>\n' > "$tree/graph/Allowed.cpp"
printf '#include "scene/Cls8.h"\n#include "graph/Cls9.h"\n' > "$tree/render/Allowed.cpp"
printf '#include "render/GlText.h"\n#include <QWidget>\n#include "document/Records.h"\n' > "$tree/dialogs/special/Allowed.cpp"
printf '#include "scene/Cls8.h"\n#include <QtCore/QFile>\n' > "$tree/document/Allowed.cpp"
if ! out=$("$check" "$tree"); then
    echo "FAIL: a tree that keeps to the table was refused:"; echo "$out"; exit 1
fi

printf '#include <cmath>\n#include "render/GlText.h"\n' > "$tree/scene/Bad.cpp"
printf '#include <QString>\n' > "$tree/core/Bad.h"
printf '  #  include <GL/gl.h>\n' > "$tree/math/Bad.cpp"
printf '#include "../render/GlText.h"\n' > "$tree/graph/Bad.cpp"
printf '#include "graph/Cls9.h"\n' > "$tree/platform/Bad.cpp"
printf '\n#include "platform/GlDrawingArea.h"\n' > "$tree/dialogs/special/Bad.cpp"
printf '#include "tests/support/RecordingServices.h"\n' > "$tree/render/Bad.cpp"
printf '#include <QtCore/QString>\n#include <QWidget>\n' > "$tree/document/Bad.cpp"

expected='core/Bad.h:1: core may not use Qt (#include <QString>)
dialogs/special/Bad.cpp:2: dialogs may not include platform (#include "platform/GlDrawingArea.h")
document/Bad.cpp:2: document may use Qt Core alone, as <QtCore/...> (#include <QWidget>)
graph/Bad.cpp:1: graph may not reach a header through ../ (#include "../render/GlText.h")
math/Bad.cpp:1: math may not use OpenGL (#include <GL/gl.h>)
platform/Bad.cpp:1: platform may not include graph (#include "graph/Cls9.h")
render/Bad.cpp:1: render may not include tests (#include "tests/support/RecordingServices.h")
scene/Bad.cpp:2: scene may not include render (#include "render/GlText.h")
8 forbidden include(s); the layers are in tools/layers.txt'
if out=$("$check" "$tree"); then
    echo "FAIL: forbidden includes passed:"; echo "$out"; exit 1
fi
if [ "$(echo "$out" | grep ':' | sort; echo "$out" | tail -1)" != "$(echo "$expected" | grep ':' | sort; echo "$expected" | tail -1)" ]; then
    echo "FAIL: unexpected report:"; echo "$out"; echo "expected:"; echo "$expected"; exit 1
fi
echo "the fence refuses every forbidden include and names it"
