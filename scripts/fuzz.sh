#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it for a bounded time
# (default 60 s). New inputs go to build/fuzz/corpus; the committed seeds in
# fuzz/seeds stay as they are. A failing input is written to build/fuzz/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus
cd build/fuzz
export LSAN_OPTIONS="suppressions=$PWD/../../tests/sanitizers.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
./bin/fuzz_input -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=./ \
    corpus ../../fuzz/seeds
