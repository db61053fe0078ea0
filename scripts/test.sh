#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The code follows .clang-format; a file that does not fails the run.
if command -v clang-format >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVAZ_TESTS=ON -DVAZ_SANITIZE=ON -DVAZ_WERROR=ON >/dev/null
cmake --build build-test -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test -j2 --output-on-failure --timeout 300
