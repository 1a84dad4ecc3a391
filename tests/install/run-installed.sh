#!/usr/bin/env bash
# Runs an installed Velmora tree the way a user's desktop would, headless, and checks that it finds
# its shipped card sets, plays a game (through the hidden test hook --scripted-game), takes in a
# card-set file given on the command line, refuses a damaged one, and writes only into the user's
# XDG folders: the tree is made read-only first and compared afterwards.
#   tests/install/run-installed.sh PREFIX     (PREFIX holds bin/velmora and share/velmora)
set -euo pipefail
prefix=$(realpath "$1")
work=$(mktemp -d)
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$work/datadirs
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_DATA_DIRS" "$work/outside" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# Root writes through any permission; the program runs without that power, as a user would.
unprivileged() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --bounding-set=-dac_override,-fowner --inh-caps=-dac_override,-fowner "$@"
  else
    "$@"
  fi
}
snapshot() { find "$prefix" -printf '%p %s %T@ %m\n' | sort; }

cp "$prefix/share/velmora/Junior Shapes.cst" "$work/outside/Animals.cst"
head -c 300 "$prefix/share/velmora/Default.cst" > "$work/outside/Broken.cst"
chmod -R a-w "$prefix"
snapshot > "$work/before"

unprivileged "$prefix/bin/velmora" --version | grep -qx "Velmora [0-9.]*" || fail "velmora --version"
unprivileged "$prefix/bin/velmora" --help | grep -q "FILE.cst" || fail "velmora --help"
unprivileged "$prefix/bin/velmora-cardset" --version | grep -qx "velmora-cardset [0-9.]*" ||
  fail "velmora-cardset --version"

unprivileged "$prefix/bin/velmora" --scripted-game "$work/outside/Animals.cst" > "$work/first" 2>&1 ||
  { cat "$work/first"; fail "the scripted game with Animals.cst"; }
for line in "mode: installed" "shipped card sets: $prefix/share/velmora" "card set: Default" \
            "card set: Expert Shapes" "card set: Animals" "window: TForm12" "played on: Animals" \
            "game finished"; do
  grep -qxF "$line" "$work/first" || { cat "$work/first"; fail "no line \"$line\""; }
done
cmp -s "$work/outside/Animals.cst" "$XDG_DATA_HOME/velmora/cardsets/Animals.cst" || fail "Animals.cst not copied"
tr -d "\r" < "$XDG_CONFIG_HOME/velmora/velmora.ini" | grep -qx "LastSet=Animals" || fail "velmora.ini lacks LastSet=Animals"
[ -s "$XDG_DATA_HOME/velmora/velmora.dat" ] || fail "no velmora.dat"

# A damaged set is refused with the reader's error and not copied; the game goes on with the last set.
unprivileged "$prefix/bin/velmora" --scripted-game "$work/outside/Broken.cst" > "$work/second" 2>&1 ||
  { cat "$work/second"; fail "the scripted game after Broken.cst"; }
grep -q "^message: .*Broken.cst" "$work/second" || { cat "$work/second"; fail "no error for Broken.cst"; }
grep -qxF "played on: Animals" "$work/second" || { cat "$work/second"; fail "the second game's set"; }
[ ! -e "$XDG_DATA_HOME/velmora/cardsets/Broken.cst" ] || fail "Broken.cst was copied"

chmod -R u+w "$prefix"
snapshot | sed 's/ [0-7]*$//' > "$work/after"
sed 's/ [0-7]*$//' "$work/before" > "$work/before-sizes"
diff "$work/before-sizes" "$work/after" || fail "the installed tree changed"
echo "installed tree at $prefix: shipped sets found, two games played, files only in the XDG folders"
