#!/usr/bin/env bash
# Installs what is missing for the tests, builds the programs and the tests and
# runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
