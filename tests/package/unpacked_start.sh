#!/usr/bin/env bash
# Builds the Debian package from this build tree, unpacks it and starts the
# unpacked tool the way the smoke test starts the built one.
set -euo pipefail
build=$1
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed: skipped"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

if ! (cd "$build" && cpack -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1); then
  cat "$tmp/cpack.log"
  exit 1
fi
deb=$(echo "$tmp"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6svg6 fonts-dejavu-core; do
  [[ $depends == *"$p"* ]] || { echo "Depends lacks $p: $depends"; exit 1; }
done

dpkg-deb -x "$deb" "$tmp/root"
for f in bin/vazconfig bin/panel-sim share/applications/vazconfig.desktop \
         share/icons/hicolor/scalable/apps/vazconfig.svg; do
  [[ -e $tmp/root/usr/$f ]] || { echo "not in the package: /usr/$f"; exit 1; }
done

# A sanitized build must find its runtime first; leaks are the smoke test's job.
out=$(env -u LD_PRELOAD QT_QPA_PLATFORM=offscreen VAZ_QUIT_WHEN_SHOWN=1 \
      ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 \
      "$tmp/root/usr/bin/vazconfig")
echo "$out"
[[ $out == *"version window shown: yes"* ]]
