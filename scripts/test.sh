#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The code follows .clang-format; a file that does not fails the run.
if command -v clang-format >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi
# Layers: the core includes nothing above it, the adapters no window, and a
# window no other window's header (only the shell opens windows).
layer_breach=$(grep -rEn '#include "(ui|adapters|cli|app)/' src/core; grep -rEn '#include "(ui|cli|app)/' src/adapters) || true
for dir in src/ui/*/; do
  sub=$(basename "$dir")
  [ "$sub" = shell ] && continue
  layer_breach+=$'\n'$(grep -rEn '#include "ui/' "$dir" | grep -vE "\"ui/($sub|widgets)/") || true
done
if [ -n "${layer_breach//$'\n'/}" ]; then
  echo "Includes that cross the layers:" >&2
  echo "$layer_breach" >&2
  exit 1
fi
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVAZ_TESTS=ON -DVAZ_SANITIZE=ON -DVAZ_WERROR=ON >/dev/null
cmake --build build-test -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test -j2 --output-on-failure --timeout 300
