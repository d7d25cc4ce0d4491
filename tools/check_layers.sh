#!/usr/bin/env bash
# The layer fence: checks every #include of every library folder against
# tools/layers.txt. A folder may include its own headers and those of the
# folders its line names; Qt and OpenGL headers only where its line allows
# them (Qt Core alone, as <QtCore/...>, where it says core); never a header
# of another top folder (tests/, bench/) nor one reached through "../".
# Prints each forbidden include as file:line and fails.
# Usage: check_layers.sh [source root]
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$root"
table=tools/layers.txt

folders=$(awk '!/^[ \t]*(#|$)/ { print $1 }' "$table")
topdirs=$(find . -mindepth 1 -maxdepth 1 -type d ! -name '.*' -printf '%f ')
files=()
for f in $folders; do
    [ -d "$f" ] || continue
    while IFS= read -r file; do files+=("$file"); done < <(find "$f" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)
done
if [ ${#files[@]} -eq 0 ]; then
    echo "check_layers: no source files under $root" >&2
    exit 1
fi

awk -v topdirs="$topdirs" '
    BEGIN { n = split(topdirs, t, " "); for (i = 1; i <= n; i++) top[t[i]] = 1 }
    FNR == NR {
        if ($0 ~ /^[ \t]*(#|$)/) next
        layer[$1] = 1; qt[$1] = $2; gl[$1] = $3
        for (i = 4; i <= NF; i++) may[$1, $i] = 1
        next
    }
    FNR == 1 { ++checked; split(FILENAME, p, "/"); from = p[1] }
    /^[ \t]*#[ \t]*include[ \t]*["<]/ {
        line = $0
        sub(/^[ \t]*#[ \t]*include[ \t]*/, "", line)
        inc = substr(line, 2); sub(/[">].*$/, "", inc)
        quoted = substr(line, 1, 1) == "\""
        what = ""
        if (quoted && inc ~ /^\.\.\//) {
            what = from " may not reach a header through ../"
        } else if (quoted && index(inc, "/") > 0) {
            to = substr(inc, 1, index(inc, "/") - 1)
            if ((to in layer || to in top) && !((from, to) in may)) what = from " may not include " to
        } else if (!quoted && inc ~ /^Q/ && qt[from] == "core" && inc !~ /^QtCore\//) {
            what = from " may use Qt Core alone, as <QtCore/...>"
        } else if (!quoted && inc ~ /^Q/ && qt[from] != "yes" && qt[from] != "core") {
            what = from " may not use Qt"
        } else if (!quoted && inc ~ /^GL\// && gl[from] != "yes") {
            what = from " may not use OpenGL"
        }
        if (what != "") {
            printf "%s:%d: %s (#include %s)\n", FILENAME, FNR, what, line
            ++bad
        }
    }
    END {
        if (bad) { printf "%d forbidden include(s); the layers are in tools/layers.txt\n", bad; exit 1 }
        printf "%d files checked: every include keeps to tools/layers.txt\n", checked
    }
' "$table" "${files[@]}"
