#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (run as root).
# Quick when everything is already there.
set -euo pipefail

packages=(cmake make g++ pkg-config
          qt6-base-dev libqt6serialport6-dev qt6-svg-dev libgl-dev
          libxlsxwriter-dev libminizip-dev
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core
          dpkg-dev file clang-format help2man lintian)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
