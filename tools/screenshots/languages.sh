# The screenshot script's run in German, French and Spanish: for each language, the main window, New Game
# with two players added and chosen (step 1) and with the set and board choice (step 2), each page of the
# card-set wizard with a set being made and the page once it is saved, and Game Over.
# Sourced by tools/screenshots.sh after drive.sh, with the display running and $pics holding the
# pictures of Default.cst.

# The window titles and access keys of each language, as translations/velmora_*.ts give them.
speak() {
  case $1 in
    de) new_game_title='Neues Spiel - Velmora'; new_player_title='Neuer Spieler - Velmora'
        wizard_title='Neues Kartenset erstellen'; wizard_menu_keys='alt+b k'
        add_player_key=n; computer_key=o; add_card_key=z; finish_key=f; set_name='Meine Formen' ;;
    fr) new_game_title='Nouvelle partie - Velmora'; new_player_title='Nouveau joueur - Velmora'
        wizard_title='Créer un jeu de cartes'; wizard_menu_keys='alt+d c'
        add_player_key=j; computer_key=o; add_card_key=j; finish_key=t; set_name='Mes formes' ;;
    es) new_game_title='Nueva partida - Velmora'; new_player_title='Nuevo jugador - Velmora'
        wizard_title='Crear un juego de cartas'; wizard_menu_keys='alt+e n'
        add_player_key=a; computer_key=o; add_card_key=a; finish_key=t; set_name='Mis formas' ;;
  esac
}

# The sets made go to a folder of their own, so that New Game in the next language offers only the shipped ones.
made="$run/made"
mkdir -p "$made"
for lang in de fr es; do
  speak "$lang"
  # Each language starts with an empty player library and fresh settings.
  rm -f "$run"/velmora.dat
  printf '[language]\r\nInterface=%s\r\n' "$lang" > "$run"/velmora.ini
  "$run"/velmora &
  app=$!
  sleep 4.5
  focus_main
  shot "main-$lang"
  xdotool key F2
  window_of "^$new_game_title\$" >/dev/null
  sleep 0.8
  add_player Ann human
  add_player Robo computer "newplayer-$lang"
  choose_both_players
  shot "newgame-$lang"
  xdotool key Return      # Next, the default button of step 1
  sleep 0.8
  shot "newgame-2-$lang"
  xdotool key Escape
  sleep 0.5
  # The card-set wizard, through the Edit menu's access keys of the language.
  focus_main
  for key in $wizard_menu_keys; do xdotool key --clearmodifiers "$key"; sleep 0.4; done
  sleep 1
  wizard_make_set "$made/$set_name.cst" "wizard-1-$lang" "wizard-2-$lang" "wizard-3-$lang" "wizard-4-$lang" \
    "wizard-5-$lang" "wizard-5-saved-$lang"
  focus_wizard
  xdotool key Escape
  sleep 0.5
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  printf '[language]\r\nInterface=%s\r\n' "$lang" > "$run"/velmora.ini
  "$bin"/velmora-cardwinshot "$run" gameover 2>/dev/null &
  app=$!
  sleep 5
  shot "gameover-$lang"
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  app=
done
