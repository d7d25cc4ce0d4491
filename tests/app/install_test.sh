#!/usr/bin/env bash
# Installs the build into a fresh folder and checks that the help pages lie in
# "help" and the sample documents in "samples" beside the installed
# executable, as the build puts them beside its own.
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
# The sample documents the build generated, in "samples" beside it too.
if ! diff -r "$build/samples" "$(dirname "$exe")/samples" >/dev/null; then
  echo "the sample documents are not installed beside $exe"
  exit 1
fi
echo "installed with its help pages and sample documents: $exe"
