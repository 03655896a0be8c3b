#!/usr/bin/env bash
# check_package.sh <build dir> <scratch dir>
# Builds the Debian package from the build tree, unpacks it into a scratch root as dpkg would
# install it, and checks what a user meets: the control data, the desktop entry, the manual pages,
# the viewer's German texts where it looks for them, and the installed tool and viewer answering
# --version from that root.
set -euo pipefail
build=$1 scratch=$2
fail() { echo "check_package: $*" >&2; exit 1; }
rm -rf "$scratch" && mkdir -p "$scratch"
(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null) || fail "cpack failed"
deb=$(ls "$scratch"/out/tessera_*.deb) || fail "no package written"
dpkg-deb -f "$deb" Package Version Depends | tee "$scratch/control"
grep -q '^Depends:.*libqt6widgets6' "$scratch/control" || fail "the viewer's Qt libraries are not dependencies"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/tessera-view.desktop
[ -f "$desktop" ] || fail "no desktop entry"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop" || fail "desktop entry invalid"; fi
[ -f "$root/usr/share/icons/hicolor/scalable/apps/tessera-view.svg" ] || fail "no icon"
for page in tessera tessera-view; do
  gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "manual page $page(1) missing"
done
[ -f "$root/usr/include/tessera/tessera.hpp" ] || fail "headers missing"
[ -f "$root/usr/share/tessera-view/translations/tessera-view_de.qm" ] || fail "no German texts for the viewer"

# The binaries find the library of their own root through their run path.
"$root/usr/bin/tessera" --version | grep -q '^tessera [0-9]' || fail "installed tessera does not run"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/tessera-view" --version | grep -q '^tessera-view [0-9]' ||
  fail "installed tessera-view does not run"
echo "check_package: $(basename "$deb") installs and runs"
