#!/usr/bin/env bash
# Sets up, builds and starts the tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
exec ./build/vazconfig "$@"
