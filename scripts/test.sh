#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVAZ_TESTS=ON -DVAZ_SANITIZE=ON >/dev/null
cmake --build build-test -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test -j2 --output-on-failure --timeout 300
