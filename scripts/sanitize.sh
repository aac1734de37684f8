#!/usr/bin/env bash
# Builds the Qt-free libraries and their tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in build/sanitize, and runs those tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
