#!/usr/bin/env bash
# Sets up what is missing, builds incrementally in build/default and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
