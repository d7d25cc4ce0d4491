#!/usr/bin/env bash
# Builds the document reader's fuzz target with clang (libFuzzer, address and
# undefined-behaviour sanitizers) into build-fuzz/, writes its seed documents
# with our own writer and runs it. Arguments go to libFuzzer, for example
#   tools/fuzz.sh -runs=20000          (a short fixed run, as test.sh does)
#   tools/fuzz.sh -max_total_time=600  (ten minutes)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-fuzz"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DVEXILON_FUZZ=ON -DVEXILON_BUILD_TESTS=OFF -DVEXILON_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_document_reader document_fuzz_seeds
seeds="$build/fuzz-seeds"
corpus="$build/fuzz-corpus"
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus"
"$build/fuzz/document_fuzz_seeds" "$seeds"
"$build/fuzz/fuzz_document_reader" -seed=1 -max_len=131072 -timeout=10 -rss_limit_mb=4096 "$@" "$corpus" "$seeds"
