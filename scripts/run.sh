#!/usr/bin/env bash
# Installs what is missing for building and running, builds the program alone
# (no tests, no benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset app >/dev/null
cmake --build --preset app
exec build/app/bin/zemtar "$@"
