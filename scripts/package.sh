#!/usr/bin/env bash
# Sets up, makes a release build and packs it as a Debian package in build-pkg/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-pkg -j2
(cd build-pkg && cpack -G DEB)
