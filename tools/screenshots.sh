#!/usr/bin/env bash
# Starts Velmora under a virtual X display, drives it with xdotool and saves screenshots:
# the splash, the empty board, the About window, the help window and a board with a game under
# way. Usage: tools/screenshots.sh [OUTPUT-FOLDER] (default build/screenshots). Needs a build.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
bin=build/bin
mkdir -p "$out"

# The program runs from a copy of its folder with its own data folder, so that its settings
# file and file-type entry go there and not into this checkout or the user's desktop.
run=$(mktemp -d)
cp "$bin"/velmora "$run"/
cp "$bin"/*.wav "$run"/ 2>/dev/null || true
cp "$bin"/*.cst "$run"/ 2>/dev/null || true
export XDG_DATA_HOME="$run/data"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$run"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }
focus_main() { xdotool search --sync --onlyvisible --name '^Velmora$' | head -1 | xargs -r xdotool windowfocus --sync; }

"$run"/velmora &
app=$!
sleep 1.2
shot splash
sleep 2.5          # the splash closes itself after two ticks of a second
focus_main
shot main

xdotool key --clearmodifiers alt+h
sleep 0.4
xdotool key v      # About &Velmora
sleep 1.0
shot about
xdotool key Return # Close is the default button
sleep 0.5

focus_main
xdotool key F1     # Help > Contents
sleep 1.0
shot help
xdotool search --sync --onlyvisible --name 'Velmora Help' | head -1 | xargs -r xdotool windowfocus --sync
xdotool type --delay 40 'IQ'
sleep 0.8
shot help-search

# A game under way, set up through the game's own set-up steps and grabbed offscreen.
"$bin"/velmora-boardshot "$run" "$out/board-fanatic.png" 3 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-junior.png" 0 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-junior-shapes.png" 0 "Junior Shapes.cst" 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-standard-shapes.png" 1 "Standard Shapes.cst" 2>/dev/null
ls "$out"/board-*.png
