#!/usr/bin/env bash
# Sets up, makes a release build with Debian's hardening flags, packs it as
# a Debian package in build-pkg/ and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B build-pkg -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
      -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build build-pkg -j2
rm -f build-pkg/vazconfig_*.deb
(cd build-pkg && cpack -G DEB)
lintian --fail-on error,warning build-pkg/vazconfig_*.deb
