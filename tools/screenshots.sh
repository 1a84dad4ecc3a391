#!/usr/bin/env bash
# Starts Velmora under a virtual X display, drives it with xdotool and saves screenshots:
# the splash, the empty board, the About window, the help window, each page of the Create Card Set
# wizard with a set being made, Select and View Card Set, Current Card Set Info, the Please Wait
# window during a read, and a board with a game under way. Usage: tools/screenshots.sh [OUTPUT-FOLDER] (default build/screenshots). Needs a build.
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

# The wizard, driven through its keys and its file dialogs: a Junior set of 54 x 37 cards taken
# from the pictures of Default.cst, on its background picture.
pics="$run/pictures"
"$bin"/velmora-cardset extract "$run/Default.cst" "$pics" >/dev/null
wizard() { timeout 10 xdotool search --sync --onlyvisible --name '^Create New Velmora Set$' | head -1; }
focus_wizard() { xdotool windowfocus --sync "$(wizard)"; }
focus_main
xdotool key --clearmodifiers alt+e
sleep 0.4
xdotool key c      # &Create New Velmora Set
sleep 1.0
focus_wizard
xdotool key alt+x Right Right Right Right
xdotool key alt+y
for _ in $(seq 13); do xdotool key Down; done
sleep 0.4
shot wizard-1-size
xdotool key alt+greater
sleep 0.4
xdotool mousemove --window "$(wizard)" 348 307 click 1   # Select Bitmap...
sleep 1.2
xdotool type --delay 15 "$pics/background.bmp"
xdotool key Return
sleep 1.0
shot wizard-2-background
focus_wizard
xdotool key alt+greater
sleep 0.4
xdotool key alt+a  # &Add...
sleep 1.2
xdotool type --delay 15 "$pics"
xdotool key Return
sleep 0.6
names=""
for f in $(cd "$pics" && ls | grep -v background | head -11 | tr ' ' '%'); do names+="\"${f//%/ }\" "; done
xdotool type --delay 10 "$names"
xdotool key Return
sleep 1.2
shot wizard-3-cards
focus_wizard
xdotool key alt+greater  # Next leaves the cards only with all eleven added
sleep 0.4
shot wizard-4-info
xdotool key alt+greater
sleep 0.4
shot wizard-5-finish
xdotool key alt+f  # &Finish
sleep 1.2
xdotool type --delay 15 "Shapes by me.cst"   # the dialog starts in the program folder
xdotool key Return
sleep 1.5
shot wizard-5-saved
focus_wizard
xdotool key Escape
sleep 0.5

focus_main
xdotool key --clearmodifiers alt+e
sleep 0.4
xdotool key v      # &View Velmora Set: no game, so Select Card Set
sleep 1.0
shot select-set
xdotool mousemove --window "$(timeout 10 xdotool search --sync --onlyvisible --name '^Select Card Set - Velmora$' | head -1)" 118 117 click 1
sleep 1.5
shot view-set
xdotool key Escape
sleep 0.4
xdotool key Escape
sleep 0.4
kill "$app" 2>/dev/null || true
app=

# Current Card Set Info and Please Wait need a set read, which takes a game: a helper reads one.
for mode in info wait; do
  "$bin"/velmora-cardwinshot "$run" "$mode" 2>/dev/null &
  app=$!
  sleep 4.5
  shot "$([ "$mode" = info ] && echo set-info || echo please-wait)"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=
done

# A game under way, set up through the game's own set-up steps and grabbed offscreen.
"$bin"/velmora-boardshot "$run" "$out/board-fanatic.png" 3 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-junior.png" 0 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-junior-shapes.png" 0 "Junior Shapes.cst" 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-standard-shapes.png" 1 "Standard Shapes.cst" 2>/dev/null
ls "$out"/board-*.png
