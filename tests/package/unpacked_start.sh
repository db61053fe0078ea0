#!/usr/bin/env bash
# Builds the Debian package from this build tree, checks it with lintian where
# installed, unpacks it and starts the unpacked tool the way the smoke test
# starts the built one.
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

# This build is unstripped and sanitized, so only errors fail here; the
# release package (scripts/package.sh) is held to the warnings too.
if command -v lintian >/dev/null; then
  lintian --fail-on error --suppress-tags unstripped-binary-or-object "$deb"
fi

dpkg-deb -x "$deb" "$tmp/root"
for f in bin/vazconfig bin/panel-sim share/applications/vazconfig.desktop \
         share/icons/hicolor/scalable/apps/vazconfig.svg share/mime/packages/vazconfig.xml \
         share/man/man1/vazconfig.1.gz share/man/man1/panel-sim.1.gz \
         share/doc/vazconfig/copyright share/doc/vazconfig/changelog.gz; do
  [[ -e $tmp/root/usr/$f ]] || { echo "not in the package: /usr/$f"; exit 1; }
done

# A sanitized build must find its runtime first; leaks are the smoke test's job.
run() {
  env -u LD_PRELOAD QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 "$@"
}

# One version for all: 2.1 in the package is V2.01 in the tool and its manual.
version=$(dpkg-deb -f "$deb" Version)
IFS=. read -r major minor patch <<<"$version"
shown=$(printf 'V%d.%02d%s' "$major" "$minor" "${patch:+.$patch}")
tool=$(run "$tmp/root/usr/bin/vazconfig" --version)
tool=${tool%%$'\n'*}
[[ $tool == "vazconfig $shown" ]] || { echo "package $version, tool says: $tool"; exit 1; }
for page in vazconfig panel-sim; do
  zgrep -q "^\.TH .*\"$page $shown\"" "$tmp/root/usr/share/man/man1/$page.1.gz" ||
    { echo "$page.1 does not carry $shown"; exit 1; }
done

out=$(run env VAZ_QUIT_WHEN_SHOWN=1 "$tmp/root/usr/bin/vazconfig")
echo "$out"
[[ $out == *"version window shown: yes"* ]]
