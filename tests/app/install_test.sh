#!/usr/bin/env bash
# Installs the build into a fresh folder and checks that the help pages lie in
# "help" beside the installed executable, as the build puts them beside its own.
set -eu
cmake=$1
build=$2
source=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
exe=$(find "$prefix" -type f -name vexilon -perm -u+x | head -n 1)
if [ -z "$exe" ]; then
  echo "no installed vexilon"
  exit 1
fi
help=$(dirname "$exe")/help
for page in "$source"/app/help/*; do
  if ! cmp -s "$page" "$help/$(basename "$page")"; then
    echo "not installed: $help/$(basename "$page")"
    exit 1
  fi
done
echo "installed with its help pages: $exe"
