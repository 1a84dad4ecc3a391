# What the screenshot script's runs share: taking a picture, finding, focusing and clicking windows,
# adding a player in New Game and making a card set in the wizard. Sourced by tools/screenshots.sh,
# which sets $out, $run and $bin.
#
# The texts and access keys that differ by language; these are the English ones.
main_title='Velmora'
new_game_title='New Game - Velmora'
new_player_title='Add New Player - Velmora'
wizard_title='Create New Velmora Set'
add_player_key=a    # New Game's &Add Player...
computer_key=o      # Add New Player's C&omputer
add_card_key=a      # the wizard's &Add...
finish_key=f        # the wizard's &Finish

shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }
window_of() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1; }
focus_main() { window_of "^$main_title\$" | xargs -r xdotool windowfocus --sync; }
# Clicks at x, y inside the window titled $1; negative coordinates count from the right or bottom.
click_in() {
  local w geometry width height x=$2 y=$3
  w=$(window_of "$1")
  geometry=$(xdotool getwindowgeometry --shell "$w")
  width=$(echo "$geometry" | sed -n 's/^WIDTH=//p')
  height=$(echo "$geometry" | sed -n 's/^HEIGHT=//p')
  [ "$x" -lt 0 ] && x=$((width + x))
  [ "$y" -lt 0 ] && y=$((height + y))
  xdotool mousemove --window "$w" "$x" "$y" click --repeat "${4:-1}" --delay 80 1
  sleep 0.5
}
# In New Game: the name, "computer" for a computer player or "human", and the picture of the filled-in
# Add New Player window to take, if any.
add_player() {
  xdotool key --clearmodifiers "alt+$add_player_key"
  window_of "^$new_player_title\$" >/dev/null
  sleep 0.5
  xdotool type --delay 40 "$1"
  [ "${2:-}" = computer ] && xdotool key --clearmodifiers "alt+$computer_key"
  sleep 0.4
  [ -n "${3:-}" ] && shot "$3"
  xdotool key Return
  sleep 0.6
}
# In New Game with the two players just added to an empty library: double-clicks move them into the game.
choose_both_players() {
  click_in "^$new_game_title\$" 330 68 2
  click_in "^$new_game_title\$" 330 82 2
}

wizard() { window_of "^$wizard_title\$"; }
focus_wizard() { xdotool windowfocus --sync "$(wizard)"; }
# Adds the files of the folder $1 that the rest name as cards, through &Add... and its file dialog.
wizard_add_cards() {
  local folder=$1 names="" name
  shift
  xdotool key "alt+$add_card_key"
  sleep 2.0
  xdotool type --delay 15 "$folder"
  xdotool key Return
  sleep 1.2
  for name in "$@"; do names+="\"$name\" "; done
  xdotool type --delay 10 "$names"
  xdotool key Return
}
# On the last page: &Finish, saved under the name or path $1 (the dialog starts in the program folder).
wizard_save() {
  xdotool key "alt+$finish_key"
  sleep 1.2
  xdotool type --delay 15 "$1"
  xdotool key Return
}
# In the open wizard: a Junior set of 54 x 37 cards from eleven pictures of the folder $pics, on
# $pics/background.bmp, saved as $1. The rest name the pictures of each page: size, background, cards,
# info, finish and the page once the set is saved.
wizard_make_set() {
  local cards=()
  mapfile -t cards < <(cd "$pics" && ls | grep -v -e background -e details | head -11)
  focus_wizard
  xdotool key alt+x Right Right Right Right
  xdotool key alt+y
  for _ in $(seq 13); do xdotool key Down; done
  sleep 0.4
  shot "$2"
  xdotool key alt+greater
  sleep 0.4
  xdotool mousemove --window "$(wizard)" 348 307 click 1   # Select Bitmap...
  sleep 1.2
  xdotool type --delay 15 "$pics/background.bmp"
  xdotool key Return
  sleep 1.0
  shot "$3"
  focus_wizard
  xdotool key alt+greater
  sleep 0.4
  wizard_add_cards "$pics" "${cards[@]}"
  sleep 1.2
  shot "$4"
  focus_wizard
  xdotool key alt+greater  # Next leaves the cards only with all eleven added
  sleep 0.4
  shot "$5"
  xdotool key alt+greater
  sleep 0.4
  shot "$6"
  wizard_save "$1"
  sleep 1.5
  shot "$7"
}
