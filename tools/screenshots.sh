#!/usr/bin/env bash
# Starts Velmora under a virtual X display, drives it with xdotool and saves screenshots:
# the splash, the empty board, the About window, the help window, a real game set up through New Game
# with every players window on the way, the zoomed and full-screen window on a 1920 x 1080 screen, each page of the Create Card Set wizard with a set being made,
# Select and View Card Set, Current Card Set Info, the Please Wait window during a read, and a board
# with a game under way, and a Junior set made in the wizard from photos of other sizes, then played.
# With --languages it takes instead the main window, New Game at both steps, the card-set wizard with a set being
# made and Game Over in German, French and Spanish (main-de.png, newgame-2-de.png, wizard-4-de.png, ...): see
# tools/screenshots/languages.sh.
# Usage: tools/screenshots.sh [--languages] [OUTPUT-FOLDER] (default build/screenshots). Needs a build and ImageMagick.
# VELMORA_SCREENSHOT_DISPLAY (or SCREENSHOT_DISPLAY) chooses the X display (default a random one from :90).
set -euo pipefail
cd "$(dirname "$0")/.."
languages=
if [ "${1:-}" = --languages ]; then languages=yes; shift; fi
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

display=${VELMORA_SCREENSHOT_DISPLAY:-${SCREENSHOT_DISPLAY:-:$((90 + RANDOM % 100))}}
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

source tools/screenshots/drive.sh
# The pictures of Default.cst, which the wizard makes sets of.
pics="$run/pictures"
"$bin"/velmora-cardset extract "$run/Default.cst" "$pics" >/dev/null

if [ -n "$languages" ]; then
  source tools/screenshots/languages.sh
  exit 0
fi

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

# The help window would stand over the main window: put it away first.
xdotool search --onlyvisible --name 'Velmora Help' | xargs -r -n1 xdotool windowunmap
sleep 0.5
focus_main
xdotool key F2
window_of '^New Game - Velmora$' >/dev/null
sleep 0.8
shot players-newgame-empty
# A real game through Game > New Game: two players added there, both chosen, a set and a size.
add_player Ann human players-add-ann
add_player Robo computer players-add-robo
choose_both_players
shot players-newgame-step1
click_in '^New Game - Velmora$' -223 -22     # Next
shot players-newgame-step2
click_in '^New Game - Velmora$' -223 -22     # Start, where Next was
sleep 1.0
focus_main
shot players-game-started
click_in '^Velmora$' 120 120
shot players-first-card
click_in '^Velmora$' 320 220
shot players-second-card
sleep 2.5
shot players-game-under-way
click_in '^Velmora$' 580 40 2                 # a double-click in the players list: statistics
window_of '^Velmora - Statistics$' >/dev/null
sleep 0.5
shot players-stats
xdotool key Escape
sleep 0.5
focus_main
xdotool key F6
window_of '^Velmora Scoreboard$' >/dev/null
sleep 0.5
shot players-scoreboard
xdotool key Escape
sleep 0.5

# The Edit menu opens once the game is ended.
focus_main
xdotool key F4
sleep 0.6
xdotool key Return                            # "Are you sure?": Yes
sleep 0.6
focus_main
xdotool key --clearmodifiers alt+e
sleep 0.3
xdotool key w                                 # Add Pass&word
window_of '^Password - Velmora$' >/dev/null
sleep 0.5
click_in '^Password - Velmora$' 60 140         # Ann, the one human without a password
click_in '^Password - Velmora$' -110 98
xdotool type --delay 40 pw
click_in '^Password - Velmora$' -110 126
xdotool type --delay 40 pw
shot players-password-add
xdotool key --clearmodifiers alt+o
sleep 0.6
shot players-password-added
xdotool key Return
sleep 0.8

focus_main
xdotool key --clearmodifiers alt+e
sleep 0.3
xdotool key g                                 # Chan&ge/Delete Password
window_of '^Password - Velmora$' >/dev/null
sleep 0.5
shot players-password-change
xdotool key Escape
sleep 0.5

# Deleting Ann, who now has a password, asks for it first: the prompt is cancelled.
focus_main
xdotool key --clearmodifiers alt+e
sleep 0.3
xdotool key d                                 # &Delete Player
window_of '^Delete Player - Velmora$' >/dev/null
sleep 0.5
xdotool key Down Up                           # Ann, selected
shot players-delete
xdotool key --clearmodifiers alt+d
sleep 0.8
shot players-delete-prompt
xdotool key Escape
sleep 0.5
shot players-delete-cancelled
xdotool key Escape
sleep 0.5

# The wizard, driven through its keys and its file dialogs: a Junior set of 54 x 37 cards taken
# from the pictures of Default.cst, on its background picture.
focus_main
xdotool key --clearmodifiers alt+e
sleep 0.4
xdotool key c      # &Create New Velmora Set
sleep 1.0
wizard_make_set "Shapes by me.cst" wizard-1-size wizard-2-background wizard-3-cards wizard-4-info wizard-5-finish \
  wizard-5-saved
focus_wizard
xdotool key Escape
sleep 0.5

# A Junior set of the largest cards from eleven camera-sized photos, landscape, portrait and square,
# which the wizard crops to the cards as they are added.
photos="$run/photos"
mkdir -p "$photos"
sizes=(1600x1200 1200x1600 1000x1000 2000x1500 1500x2000 1280x960 900x1200 1600x900 1200x1200 2400x1800 1024x768)
colours=(red-yellow blue-cyan green-white orange-purple navy-pink gold-brown teal-lime maroon-khaki violet-azure gray-crimson olive-salmon)
for i in $(seq 0 10); do
  convert -size "${sizes[$i]}" "plasma:${colours[$i]}" -fill white -stroke black -strokewidth 8 \
    -font /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf -gravity center -pointsize 360 \
    -annotate 0 "$((i + 1))" -quality 90 "$photos/photo $(printf %02d $((i + 1))).jpg"
done
focus_main
xdotool key --clearmodifiers alt+e
sleep 0.4
xdotool key c
sleep 1.0
focus_wizard
xdotool key alt+x End alt+y End
sleep 0.4
for _ in 1 2; do xdotool key alt+greater; sleep 0.5; done
mapfile -t photo_files < <(cd "$photos" && ls)
wizard_add_cards "$photos" "${photo_files[@]}"
sleep 2.5
shot wizard-photos-added
focus_wizard
for _ in 1 2; do xdotool key alt+greater; sleep 0.5; done
wizard_save "My Photos.cst"
sleep 2.0
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

# The zoomed window on a 1920 x 1080 screen with a Fanatic game under way: 100 %, 200 %, Fit to Window
# in a 1600 x 1000 window and full screen, then the windows that follow the zoom, at 200 %.
kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
for _ in $(seq 50); do [ -e "/tmp/.X${display#:}-lock" ] || break; sleep 0.1; done
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# Full screen is the window manager's to grant.
wm=
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & wm=$!; sleep 1; fi
rm -f "$run"/velmora.ini "$run"/velmora.dat
printf '[inivalues]\r\nLastFormat=3\r\n\r\n[view]\r\nZoom=100\r\n' > "$run"/velmora.ini
"$run"/velmora &
app=$!
sleep 4.5
focus_main
xdotool key F2
window_of '^New Game - Velmora$' >/dev/null
sleep 0.8
add_player Ann human
add_player Robo computer
choose_both_players
click_in '^New Game - Velmora$' -223 -22     # Next: the Fanatic size is the one last played
click_in '^New Game - Velmora$' -223 -22     # Start
sleep 1.0
focus_main
board_click() {  # column and row of a Fanatic card of 54 x 37 at the zoom in percent $3
  local w
  w=$(window_of '^Velmora$')
  xdotool mousemove --window "$w" $(( ((($1 - 1) * 54 + 27) * $3 / 100) + 1 )) \
    $(( 22 + ((($2 - 1) * 37 + 20) * $3 / 100) )) click 1   # below a menu bar of about 22 pixels
  sleep 0.5
}
board_click 3 2 100
board_click 7 5 100
sleep 3
board_click 5 8 100
shot zoom-100
zoom_to() {  # the n-th item of Options > Zoom
  focus_main
  xdotool key --clearmodifiers alt+o
  sleep 0.3
  xdotool key z
  sleep 0.3
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 1.0
}
zoom_to 2
shot zoom-200
zoom_to 4
xdotool windowmove "$(window_of '^Velmora$')" 100 20
xdotool windowsize "$(window_of '^Velmora$')" 1600 1000
sleep 1.0
shot zoom-fit-1600x1000
focus_main
xdotool key F11
sleep 1.5
shot zoom-fullscreen-1920x1080
xdotool key Escape
sleep 0.8
zoom_to 2
shot zoom-200-after-full-screen
click_in '^Velmora$' 1150 40 2                # the players list at 200 %: statistics
sleep 0.6
shot zoom-200-stats
xdotool key Escape
sleep 0.5
focus_main
xdotool key F4
sleep 0.6
xdotool key Return
sleep 0.6
focus_main
xdotool key F2
sleep 1.0
shot zoom-200-newgame
xdotool key Escape
sleep 0.5
focus_main
xdotool key --clearmodifiers alt+e
sleep 0.4
xdotool key v
sleep 1.0
shot zoom-200-select-set
xdotool key Return                            # View Velmora Set is the default button
sleep 1.2
shot zoom-200-view-set
xdotool key Escape
sleep 0.4
xdotool key Escape
sleep 0.4
kill "$app" 2>/dev/null || true
app=
[ -n "$wm" ] && kill "$wm" 2>/dev/null || true

# A game under way, set up through the game's own set-up steps and grabbed offscreen.
"$bin"/velmora-boardshot "$run" "$out/board-fanatic.png" 3 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-junior.png" 0 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-junior-shapes.png" 0 "Junior Shapes.cst" 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-standard-shapes.png" 1 "Standard Shapes.cst" 2>/dev/null
"$bin"/velmora-boardshot "$run" "$out/board-junior-photos.png" 0 "My Photos.cst" 2>/dev/null
ls "$out"/board-*.png
