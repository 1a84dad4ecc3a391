#!/usr/bin/env bash
# Checks what Velmora installs for the desktop and the Debian package made of it: the desktop
# entry, the AppStream metainfo, the MIME package file, the manual pages, lintian on the .deb, and
# the .deb unpacked into a temporary root and run from there (tests/install/run-installed.sh).
#   tools/package-checks.sh [BUILD-FOLDER]   (default build; needs a finished build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
desktop=resources/desktop

echo "== desktop-file-validate, appstreamcli, xmllint, man"
desktop-file-validate "$desktop/example.halvik.Velmora.desktop"
appstreamcli validate --no-net --explain "$desktop/example.halvik.Velmora.metainfo.xml" > /dev/null
xmllint --noout "$desktop/example.halvik.Velmora.xml" "$desktop"/icons/*.svg
for page in resources/man/*.[0-9]; do
  # groff's warnings are the page's faults; the text itself goes nowhere.
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done

echo "== cpack -G DEB and lintian"
rm -f "$build"/velmora_*.deb
(cd "$build" && cpack -G DEB > cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/velmora_*.deb)
status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<< "$report" || true
[ "$status" -eq 0 ] || { echo "lintian reports errors"; exit 1; }

echo "== the .deb unpacked into a temporary root"
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
bash tests/install/run-installed.sh "$root/usr"
