#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs it from there (run-installed.sh).
#   tests/install/installed-tree.sh BUILD-FOLDER
set -euo pipefail
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$1" --prefix /usr > /dev/null
bash "$(dirname "$0")/run-installed.sh" "$root/usr"
