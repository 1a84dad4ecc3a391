#pragma once
// A test hook, not a feature: the hidden option --scripted-game makes the program play one game by
// itself and quit, so that a test can run the real program, installed or unpacked anywhere, without
// a person at the board. It goes through the main window and the engine as a played game does and
// reports on standard output what it found and wrote.

#include <filesystem>
#include <optional>

namespace velmora {

class MainWindow;

// Answers every message box with Yes or OK and closes every window as soon as it opens, printing
// their texts and names; opens file first when given (as the command line does); then plays a Junior
// game of two computer players on the last set and closes the main window, which writes the
// settings. Returns the program's exit code: 0 when the game was played to its end.
int PlayScriptedGame(MainWindow& window, const std::optional<std::filesystem::path>& file);

// The hidden option --scripted-board: answers boxes and passes windows as above, and once start-up
// is over starts a Junior game of two people on the last set, with the keyboard on the board, and
// prints "board ready"; then the program runs as usual, for a test that plays it from outside.
void StartScriptedBoard(MainWindow& window);

}  // namespace velmora
